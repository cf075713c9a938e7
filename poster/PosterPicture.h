#pragma once

#include <QByteArray>
#include <QFuture>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// A poster kept as its picture file's own bytes (BMP, JPEG, GIF or any
// format Qt reads, recognised by content). It is decoded at the size it is
// shown, which for a JPEG costs a fraction of a whole decode, and whole only
// when the user asks for the full-size picture.
class PosterPicture
{
public:
    PosterPicture() = default;
    // Null for a file that is missing or unreadable, that holds no picture,
    // or whose header claims more than the memory a poster may take.
    static PosterPicture fromFile(const QString &path);
    // The same for a picture file's bytes already read.
    static PosterPicture fromBytes(const QByteArray &bytes);

    bool isNull() const { return m_size.isEmpty(); }
    // The picture file's own bytes.
    const QByteArray &bytes() const { return m_bytes; }
    // The natural size, as the picture's header gives it.
    QSize size() const { return m_size; }
    // The picture decoded at that size, its proportions not kept; null when
    // it cannot be decoded.
    QImage decoded(QSize shown) const;
    // Starts decoding at that size on another thread, so that the picture is
    // ready when it is asked for at that size, the window built meanwhile.
    void decodeAhead(QSize shown);
    QImage decodedWhole() const { return decoded(m_size); }
    // The picture for a box of this size on a screen of this pixel ratio,
    // decoded at the box's size in device pixels so that it stays sharp.
    QPixmap pixmapFor(QSize box, qreal devicePixelRatio) const;

private:
    QByteArray m_bytes;
    QSize m_size;
    QSize m_aheadSize;
    QFuture<QImage> m_ahead;
};
