#pragma once

#include "card/CardRecord.h"

#include <QByteArray>
#include <QString>

enum class CardReadStatus {
    Ok,
    MissingFile, // nothing at the path, an empty path or a folder
    NotACard,    // the file does not begin with the marker
    Unreadable,  // the file could not be read
};

struct [[nodiscard]] CardReadResult
{
    CardReadStatus status = CardReadStatus::Ok;
    CardRecord record;
    QByteArray poster;   // the picture file's own bytes; empty for none
    QString errorString; // French, for Unreadable

    bool ok() const { return status == CardReadStatus::Ok; }
};

// What the user is told when a card cannot be read: "Fichier introuvable",
// "Fichier incorrect", or the reason the file could not be read.
QString ReadFailureMessage(const CardReadResult &card);

// Decoded pictures are limited to 96 MB, which no larger picture file fits
// in: a poster past this size could never be shown, so it is left unread.
inline constexpr qint64 kMaxPosterBytes = qint64(128) << 20;

// Reads a card file: its record and its poster's bytes. A file that begins
// with the marker but is shorter than a whole card reads as a record filled
// in part (the rest spaces) and no poster; so does a poster past the limit,
// which stays in the file: a save that keeps the poster rewrites only the
// text part.
CardReadResult ReadCardFile(const QString &cardPath);
