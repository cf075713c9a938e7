#pragma once

#include "card/CardRecord.h"

#include <QString>

enum class CardReadStatus {
    Ok,
    MissingFile, // nothing at the path, an empty path or a folder
    NotACard,    // the file does not begin with the marker
    Unreadable,  // the file or the extracted poster could not be read or written
};

struct [[nodiscard]] CardReadResult
{
    CardReadStatus status = CardReadStatus::Ok;
    CardRecord record;
    bool hasPoster = false;
    QString errorString; // French, for Unreadable

    bool ok() const { return status == CardReadStatus::Ok; }
};

// What the user is told when a card cannot be read: "Fichier introuvable",
// "Fichier incorrect", or the reason the file could not be read.
QString ReadFailureMessage(const CardReadResult &card);

// Reads a card file. When the card carries a poster, its bytes are written
// into the work folder's poster file. A file that begins with the marker
// but is shorter than a whole card reads as a record filled in part (the
// rest spaces) and no poster.
CardReadResult ReadCardFile(const QString &cardPath, const QString &workFolder);
