#pragma once

#include "card/CardRecord.h"

#include <QByteArray>

class QPagedPaintDevice;
class QPainter;

// A card as the printer gets it: its fields and its poster's own bytes
// (empty for none), as shown, unsaved changes included.
struct PrintedCard
{
    CardRecord record;
    QByteArray poster;
};

// Draws the card from the painter's current page on: the title large, then
// year, running time, type, director, actors and summary, each after its
// caption in bold, and the poster on the right, up to 9 cm wide, decoded at
// the device's resolution from its bytes. A summary that does not fit goes
// on to the next page.
void DrawCardPage(QPainter &painter, QPagedPaintDevice &device, const PrintedCard &card);
