#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes the poster bytes straight at the size of its thumbnail: the
// largest that fits in a square of `bound` pixels and keeps the poster's
// aspect; a poster that already fits keeps its size. Returns a null
// image, with the reason in errorString, when the poster cannot be decoded
// or would need more memory than a poster reasonably takes.
QImage DecodeThumbnail(const QByteArray &poster, int bound, QString &errorString);

// The thumbnail of a card file's poster, read with the thumbnailer's limits;
// a null image when the card has no poster that can be shown.
QImage CardThumbnail(const QString &cardPath, int bound);
