#include "app/PictureLoader.h"

#include "app/ImageLimits.h"

#include <QImageReader>

QImage LoadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // A header that claims a huge size (a "decompression bomb") is refused
    // before anything is allocated for it.
    const QSize size = reader.size();
    if (size.isValid() && !FitsImageAllocation(size))
        return {};
    return reader.read();
}
