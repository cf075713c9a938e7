#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

#include <QByteArray>

// Shows the card in the viewer without saving it, from a card file written
// in a work folder of its own.
IoStatus PreviewCard(const CardRecord &record, const QByteArray &poster);
