#include "core/Clock.h"

namespace {

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

const SystemClock systemClock;
const Clock *current = &systemClock;

} // namespace

const Clock &CurrentClock()
{
    return *current;
}

void SetCurrentClock(const Clock *replacement)
{
    current = replacement ? replacement : &systemClock;
}
