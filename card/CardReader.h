#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

#include <QByteArray>
#include <QString>

struct [[nodiscard]] CardReadResult
{
    IoStatus status;
    CardRecord record;
    QByteArray poster; // the picture file's own bytes; empty for none
    // The file holds a poster past kMaxPosterBytes, left unread there.
    bool posterLeftInFile = false;

    bool ok() const { return status.ok(); }
};

// Decoded pictures are limited to 96 MB, which no larger picture file fits
// in: a poster past this size could never be shown, so it is left unread.
inline constexpr qint64 kMaxPosterBytes = qint64(128) << 20;

// Reads a card file: its record and its poster's bytes. A file that begins
// with the marker but is shorter than a whole card reads as a record filled
// in part (the rest spaces) and no poster; so does a poster past the limit,
// which stays in the file: a save that keeps the poster rewrites only the
// text part.
CardReadResult ReadCardFile(const QString &cardPath);
