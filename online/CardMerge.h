#pragma once

#include "card/CardRecord.h"

#include <QByteArray>

// What filling a card from a film found online gives.
struct MergedCard
{
    CardRecord record;
    bool takePoster = false; // the new poster replaces the card's (or its lack)
};

// An empty field of the card takes the fitted value; a filled one does only
// when `replaceFilled` is set; an empty fitted value never wipes a field.
// Hours and minutes go together, as one running time. The poster likewise.
MergedCard MergeIntoCard(const CardRecord &card, bool cardHasPoster, const CardRecord &fitted, bool hasNewPoster,
                         bool replaceFilled);
