#pragma once

#include <QImage>
#include <QString>

// Reads a BMP, JPEG or GIF picture (or any format Qt reads), recognised by
// its content rather than its name. A null image for a file that is
// missing, unreadable, or larger than the memory a poster may take.
QImage LoadPicture(const QString &path);
