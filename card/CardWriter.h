#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

// Writing card files. A card file is the marker (7 bytes), the record
// (1168 bytes), the separator byte 0xA9 and the poster's bytes to the end.
// A file that is replaced is replaced whole or not at all.

// Writes marker and record over the start of the folder's info file,
// creating it when missing; the rest of an existing file stays.
IoStatus WriteInfoFile(const QString &folder, const CardRecord &record);

// True when the file begins with the marker and holds the whole text part
// and separator: a card whose header can be rewritten or copied.
bool IsWholeCardFile(const QString &path);

// Rewrites the first 1175 bytes of an existing card file in place. A file
// that is not a card (no marker, shorter than 1176 bytes) is left untouched.
IoStatus WriteCardHeader(const QString &cardPath, const CardRecord &record);

// Copies the poster picture into the folder as its poster file. An empty
// poster path copies nothing; hasPicture tells whether a picture was copied.
IoStatus CopyPosterToWork(const QString &folder, const QString &posterPath, bool &hasPicture);

// Writes the card file at the target: the folder's info file, the
// separator, then the folder's poster file when hasPicture is set.
IoStatus AssembleCardFile(const QString &folder, const QString &target, bool hasPicture);

// Writes the whole card at the target through a work folder of its own:
// the info file, the poster linked or copied beside it (none for an empty
// poster path), then the card assembled at the target. The folder is removed
// whatever happened.
IoStatus WriteCard(const CardRecord &record, const QString &posterPath, const QString &target);

// Writes at the target a copy of an existing card file whose text part is
// the record's: separator and poster come unchanged from the source.
IoStatus CopyCardWithHeader(const QString &source, const QString &target, const CardRecord &record);
