#include "support/FullBuild.h"

#include "card/CardWriter.h"

IoStatus FullBuild(const CardRecord &record, const QString &poster, const QString &target)
{
    return WriteCard(record, poster, target);
}
