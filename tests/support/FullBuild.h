#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

// The full build of a card as a save runs it: a new work folder, the info
// file, the poster copied beside it, the card assembled at the target, and
// the work folder removed whatever happened.
IoStatus FullBuild(const CardRecord &record, const QString &poster, const QString &target);
