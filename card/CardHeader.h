#pragma once

#include "card/CardRecord.h"
#include "card/IoStatus.h"

class QIODevice;

// What the start of a card file tells: its text part, and where its poster
// lies. A card file is the marker (7 bytes), the record (1168 bytes), the
// separator byte and the poster's bytes to the end.
struct CardHeader
{
    // Ok, NotACard, or Failed when the device could not be read.
    IoStatus::Code status = IoStatus::Failed;
    // A text part cut short reads as far as it goes, the rest as spaces.
    CardRecord record;
    // The text part and the separator are all there: the header can be
    // rewritten in place and the poster taken over.
    bool whole = false;
    qint64 posterLength = 0; // 0: no poster; it starts at kPosterOffset

    bool ok() const { return status == IoStatus::Ok; }
};

// Reads the header from the start of an open device, leaving the device
// at the poster. The device's errorString() tells why it Failed.
CardHeader ReadCardHeader(QIODevice &device);
// The header of a file of `fileSize` bytes that begins with `start` (its
// first kPosterOffset bytes, or the whole file when shorter).
CardHeader ParseCardHeader(QByteArrayView start, qint64 fileSize);
