#include "poster/PosterPicture.h"

#include "poster/ImageLimits.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The reader over the bytes; the buffer must outlive it.
void Open(QBuffer &buffer, QImageReader &reader)
{
    buffer.open(QIODevice::ReadOnly);
    reader.setDevice(&buffer);
    reader.setDecideFormatFromContent(true);
}

} // namespace

PosterPicture PosterPicture::fromFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? fromBytes(file.readAll()) : PosterPicture();
}

PosterPicture PosterPicture::fromBytes(const QByteArray &bytes)
{
    PosterPicture picture;
    picture.m_bytes = bytes;
    QBuffer buffer(&picture.m_bytes);
    QImageReader reader;
    Open(buffer, reader);
    // A header that claims a huge size (a "decompression bomb") is refused
    // before anything is allocated for it, whatever size it is shown at.
    QSize size = reader.size();
    if (!size.isValid())
        size = reader.read().size(); // a format whose header tells nothing
    if (size.isEmpty() || !FitsImageAllocation(size))
        return {};
    picture.m_size = size;
    return picture;
}

QImage PosterPicture::decoded(QSize shown) const
{
    if (isNull() || shown.isEmpty())
        return {};
    if (shown == m_aheadSize)
        return m_ahead.result();
    QByteArray bytes = m_bytes; // shared, not copied
    QBuffer buffer(&bytes);
    QImageReader reader;
    Open(buffer, reader);
    // The JPEG decoder scales while it decodes; Qt scales other formats
    // once they are read.
    if (shown != m_size)
        reader.setScaledSize(shown);
    return reader.read();
}

void PosterPicture::decodeAhead(QSize shown)
{
    if (isNull() || shown.isEmpty())
        return;
    PosterPicture picture = *this; // the bytes shared, not copied
    m_ahead = QtConcurrent::run([picture, shown] { return picture.decoded(shown); });
    m_aheadSize = shown;
}

QPixmap PosterPicture::pixmapFor(QSize box, qreal devicePixelRatio) const
{
    QPixmap pixmap = QPixmap::fromImage(decoded((QSizeF(box) * devicePixelRatio).toSize()));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
