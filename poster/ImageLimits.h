#pragma once

#include <QSize>
#include <QtGlobal>

// Pictures are decoded whole at four bytes a pixel; 96 MB holds a poster of
// 24 megapixels (4000 x 6000), more than any poster needs, and refuses a
// damaged or hostile header that claims a huge size before anything is
// allocated. Qt's own default (128 MB in Qt 6.4) is left for no format.
inline constexpr int kImageAllocationLimitMb = 96;

// Thumbnails (the thumbnailer, the catalogue's rows and its HTML export) read
// a poster file of at most 64 MB and decode it within 64 MB: a file manager
// asks for many at once, and a thumbnail needs far less than a whole poster.
inline constexpr qint64 kThumbnailMaxPosterBytes = qint64(64) << 20;
inline constexpr int kThumbnailAllocationLimitMb = 64;

// A picture file brought in (an imported poster) past this is refused before
// it is read: no poster needs it, and a hostile file cannot fill the memory.
inline constexpr qint64 kMaxPictureFileBytes = qint64(64) << 20;

// Sets Qt's image reader allocation limit for the whole program; called once
// at start.
void LimitImageAllocation();

// True when a picture of this size, decoded at four bytes a pixel, stays
// within the limit.
bool FitsImageAllocation(QSize size);
