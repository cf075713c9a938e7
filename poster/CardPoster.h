#pragma once

#include <QByteArray>
#include <QString>

// A card's poster bytes, read straight from the card file: the text part is
// checked and skipped, nothing is written anywhere.
struct CardPoster
{
    enum Status {
        Ok,
        NoPoster, // a whole card that ends right after its separator
        Damaged,  // missing, unreadable, not a card, cut short or too large
    };

    Status status = Damaged;
    QByteArray bytes;
    QString errorString; // for Damaged
};

// Posters larger than maxBytes are refused unread.
CardPoster ReadCardPoster(const QString &cardPath, qint64 maxBytes);
