#include "poster/ImageLimits.h"

#include <QImageReader>

void LimitImageAllocation()
{
    QImageReader::setAllocationLimit(kImageAllocationLimitMb);
}

bool FitsImageAllocation(QSize size)
{
    constexpr qint64 kBytesPerPixel = 4;
    constexpr qint64 kLimitBytes = qint64(kImageAllocationLimitMb) * 1024 * 1024;
    return size.isValid() && qint64(size.width()) * size.height() * kBytesPerPixel <= kLimitBytes;
}
