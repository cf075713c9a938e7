#pragma once

#include <QDateTime>

// Where the program reads the current date and time; tests put a fixed
// clock in its place.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

const Clock &CurrentClock();
// Null puts the system clock back.
void SetCurrentClock(const Clock *replacement);
