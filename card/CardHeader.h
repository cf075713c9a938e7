#pragma once

#include "card/CardRecord.h"

class QIODevice;

// What the start of a card file tells: its text part, and where its poster
// lies. A card file is the marker (7 bytes), the record (1168 bytes), the
// separator byte and the poster's bytes to the end.
struct CardHeader
{
    enum Status { Ok, NotACard, Unreadable };

    Status status = Unreadable;
    // A text part cut short reads as far as it goes, the rest as spaces.
    CardRecord record;
    // The text part and the separator are all there: the header can be
    // rewritten in place and the poster taken over.
    bool whole = false;
    qint64 posterLength = 0; // 0: no poster; it starts at kPosterOffset

    bool ok() const { return status == Ok; }
};

// Reads the header from the start of an open device, leaving the device
// at the poster. The device's errorString() tells why it was Unreadable.
CardHeader ReadCardHeader(QIODevice &device);
