#include "support/HostilePictures.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

namespace {

void PutBigEndian16(QByteArray &bytes, qsizetype at, int value)
{
    qToBigEndian(quint16(value), bytes.data() + at);
}

void PutLittleEndian16(QByteArray &bytes, qsizetype at, int value)
{
    qToLittleEndian(quint16(value), bytes.data() + at);
}

void PutLittleEndian32(QByteArray &bytes, qsizetype at, int value)
{
    qToLittleEndian(qint32(value), bytes.data() + at);
}

} // namespace

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray TwoToneJpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int texture = (x * 7 + y * 3) % 16;
            image.setPixel(x, y, y < size.height() / 2 ? qRgb(200, 40 + texture, 40) : qRgb(40, 40, 200 + texture));
        }
    }
    return Encoded(image, "JPEG");
}

QByteArray JpegClaiming(QByteArray jpeg, QSize claimed)
{
    // The baseline frame header: FF C0, length, precision, height, width.
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    Q_ASSERT(frame > 0);
    PutBigEndian16(jpeg, frame + 5, claimed.height());
    PutBigEndian16(jpeg, frame + 7, claimed.width());
    return jpeg;
}

QByteArray GifClaiming(QSize claimed)
{
    // GIF89a, a one-pixel picture: screen descriptor at 6, image descriptor at 23.
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00"
                   "\x21\xF9\x04\x01\x00\x00\x00\x00"
                   "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                   "\x02\x02\x44\x01\x00\x3B",
                   43);
    for (qsizetype at : {6, 27}) {
        PutLittleEndian16(gif, at, claimed.width());
        PutLittleEndian16(gif, at + 2, claimed.height());
    }
    return gif;
}

QByteArray BmpClaiming(QSize claimed)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bmp = Encoded(image, "BMP");
    // The info header's width and height follow the 14-byte file header and its own size.
    PutLittleEndian32(bmp, 18, claimed.width());
    PutLittleEndian32(bmp, 22, claimed.height());
    return bmp;
}

void AddHostilePictureRows()
{
    QTest::addColumn<QByteArray>("poster");
    const QByteArray jpeg = TwoToneJpeg({200, 300});
    QTest::newRow("jpeg claiming 65500 x 65500") << JpegClaiming(jpeg, {65500, 65500});
    // 103 MB once decoded: past the program's limit, within Qt's default
    // one, and what a JPEG of 2 kB claiming it would take.
    QTest::newRow("jpeg claiming 5200 x 5200") << JpegClaiming(jpeg, {5200, 5200});
    QTest::newRow("gif claiming 65535 x 65535") << GifClaiming({65535, 65535});
    QTest::newRow("bmp claiming 30000 x 30000") << BmpClaiming({30000, 30000});
    // 1935 twips wide, it would be 1935 x 30000 twips high.
    QImage thin(1, 30000, QImage::Format_RGB32);
    thin.fill(Qt::blue);
    QTest::newRow("jpeg of 1 x 30000") << Encoded(thin, "JPEG");
    QTest::newRow("bmp of 1 x 30000") << Encoded(thin, "BMP");
    QTest::newRow("jpeg header only") << jpeg.left(200);
    QTest::newRow("0-byte poster") << QByteArray();
}
