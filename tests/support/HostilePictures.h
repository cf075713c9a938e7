#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Small picture files, sound or damaged, for the viewer's poster.

// The image encoded in the format ("JPEG", "BMP").
QByteArray Encoded(const QImage &image, const char *format);

// A JPEG whose top half is red and bottom half blue, each lightly textured
// so that the picture's data runs through the whole file.
QByteArray TwoToneJpeg(QSize size);

// The JPEG with its frame header rewritten to claim another size; the data
// that follows stays that of the real, small picture.
QByteArray JpegClaiming(QByteArray jpeg, QSize claimed);

// A one-pixel GIF whose screen and image both claim the size.
QByteArray GifClaiming(QSize claimed);

// A two-by-two BMP whose header claims the size.
QByteArray BmpClaiming(QSize claimed);

// Rows of a column "poster": pictures that claim a huge size, pictures so
// thin that their scaled height passes 16 bits, a cut header, no bytes.
void AddHostilePictureRows();
