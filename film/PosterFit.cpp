#include "film/PosterFit.h"

#include "card/CardReader.h"
#include "poster/ImageLimits.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

namespace {

constexpr int kJpegQuality = 90;

bool KeptAsItIs(const QByteArray &format)
{
    return format == "jpeg" || format == "bmp" || format == "gif";
}

} // namespace

FittedPoster FitPoster(const QByteArray &picture)
{
    QBuffer buffer;
    buffer.setData(picture);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (format.isEmpty() || !size.isValid())
        return {{}, {}, QStringLiteral("format d'image non reconnu")};
    const bool fits = FitsImageAllocation(size) && picture.size() <= kMaxPosterBytes;
    if (fits && KeptAsItIs(format))
        return {picture, {}, {}};

    QSize shown = size;
    while (!FitsImageAllocation(shown))
        shown /= 2;
    if (shown != size)
        reader.setScaledSize(shown);
    const QImage image = reader.read();
    if (image.isNull())
        return {{}, {}, QStringLiteral("image illisible")};
    QByteArray jpeg;
    QBuffer out(&jpeg);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, "JPEG", kJpegQuality))
        return {{}, {}, QStringLiteral("image impossible à convertir en JPEG")};
    const QString change = shown != size
        ? QStringLiteral("Affiche réduite de %1 × %2 à %3 × %4")
              .arg(size.width())
              .arg(size.height())
              .arg(shown.width())
              .arg(shown.height())
        : QStringLiteral("Affiche %1 convertie en JPEG").arg(QString::fromLatin1(format.toUpper()));
    return {jpeg, change, {}};
}
