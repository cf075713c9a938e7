#include "support/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

QByteArray Picture(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width(), size.height() / 2, Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format))
        qFatal("cannot encode a %s picture", format);
    return bytes;
}

QByteArray BlankBmp(QSize size)
{
    QByteArray bmp;
    QDataStream out(&bmp, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelsAt = 14 + 40 + 4 * 2; // headers and a two-colour palette
    out.writeRawData("BM", 2);
    out << quint32(pixelsAt + 2) << quint32(0) << pixelsAt;
    out << quint32(40) << qint32(size.width()) << qint32(size.height()) << quint16(1) << quint16(8)
        << quint32(1) /* RLE8 */ << quint32(2) << qint32(2835) << qint32(2835) << quint32(2) << quint32(0);
    out << quint32(0x00FFFFFF) << quint32(0) << quint8(0) << quint8(1); // palette, end of bitmap
    return bmp;
}

void AddHostilePictureRows()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<bool>("shown");
    const QByteArray jpeg = Picture({200, 300});
    // Past the program's own limit of 96 MB (4096 x 6144 at 4 bytes a pixel)
    // by one row, though within what Qt would allocate by itself.
    QTest::newRow("claims 4096 x 6145") << BlankBmp({4096, 6145}) << false;
    QTest::newRow("claims 65535 x 65535") << BlankBmp({65535, 65535}) << false;
    // Shown 1935 twips wide, it would be 30000 x 1935 twips high.
    QTest::newRow("1 x 30000") << Picture({1, 30000}, "BMP") << false;
    QTest::newRow("header only") << jpeg.left(200) << false;
    QTest::newRow("no bytes") << QByteArray() << false;
    // What decodes of it shows; the rows whose data is missing are grey.
    QTest::newRow("cut in half") << jpeg.left(jpeg.size() / 2) << true;
}
