#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

// Writing card files. A file that is replaced is replaced whole or not at
// all; a card is only ever written through these.

// Writes the whole card at the target: marker and record, the separator,
// then the poster's bytes (none when empty).
IoStatus WriteCard(const CardRecord &record, const QByteArray &poster, const QString &target);

// True when the file is a card whose header can be rewritten or copied:
// it begins with the marker and holds the whole text part and separator.
bool IsWholeCardFile(const QString &path);

// Rewrites the first 1175 bytes of an existing card file in place. A file
// that is not a whole card is left untouched.
IoStatus WriteCardHeader(const QString &cardPath, const CardRecord &record);

// Writes at the target a copy of an existing card file whose text part is
// the record's: separator and poster come unchanged from the source.
IoStatus CopyCardWithHeader(const QString &source, const QString &target, const CardRecord &record);
