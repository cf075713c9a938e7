#pragma once

#include "card/IoStatus.h"

#include <QByteArray>
#include <QString>

// A card's poster bytes, read straight from the card file: the text part is
// checked and skipped, nothing is written anywhere.
struct CardPoster
{
    // Failed for a file that is missing, unreadable, not a card, cut short,
    // or whose poster passes the thumbnails' limit.
    IoStatus status;
    QByteArray bytes; // empty for a whole card without a poster
};

// Posters larger than kThumbnailMaxPosterBytes are refused unread.
CardPoster ReadCardPoster(const QString &cardPath);
