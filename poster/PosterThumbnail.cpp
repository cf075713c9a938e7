#include "poster/PosterThumbnail.h"

#include "poster/CardPoster.h"
#include "poster/ImageLimits.h"

#include <QBuffer>
#include <QImageReader>

namespace {

// Enough for a poster of 16 megapixels decoded whole (BMP, GIF); a JPEG is
// decoded already reduced, so much larger ones pass. A damaged header that
// claims huge dimensions is refused before anything is allocated.

QSize ThumbnailSize(QSize natural, int bound)
{
    if (natural.width() <= bound && natural.height() <= bound)
        return natural;
    // A very long, thin poster still gets a visible thumbnail.
    return natural.scaled(bound, bound, Qt::KeepAspectRatio).expandedTo({1, 1});
}

} // namespace

QImage DecodeThumbnail(const QByteArray &poster, int bound, QString &errorString)
{
    QBuffer buffer;
    buffer.setData(poster);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kThumbnailAllocationLimitMb);

    const QSize natural = reader.size();
    if (natural.isEmpty()) {
        errorString = reader.errorString();
        return {};
    }
    // The JPEG decoder scales while decoding, so a large poster costs
    // little; other formats are scaled once read.
    reader.setScaledSize(ThumbnailSize(natural, bound));
    QImage image = reader.read();
    if (image.isNull())
        errorString = reader.errorString();
    return image;
}

QImage CardThumbnail(const QString &cardPath, int bound)
{
    const CardPoster poster = ReadCardPoster(cardPath);
    if (!poster.status.ok() || poster.bytes.isEmpty())
        return {};
    QString error;
    return DecodeThumbnail(poster.bytes, bound, error);
}
