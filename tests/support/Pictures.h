#pragma once

#include <QByteArray>
#include <QSize>

// A picture file's bytes in the format ("JPEG", "BMP", "GIF"): its top half
// red, its bottom half blue.
QByteArray Picture(QSize size, const char *format = "JPEG");

// A run-length BMP that holds only its end code: a sound picture of any
// size, blank, in about a hundred bytes. Decoding it takes the memory of
// its size.
QByteArray BlankBmp(QSize size);

// Rows of the columns "picture" and "shown" (whether it shows as a poster):
// pictures too large to decode, so thin that their scaled height passes 16
// bits, cut short, or no picture at all.
void AddHostilePictureRows();
