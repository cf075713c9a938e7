#pragma once

#include "card/IoStatus.h"

#include <QFileDevice>

// What the card reader and writer tell of a file that failed them.
QString CannotRead(const QFileDevice &file);
QString CannotWrite(const QFileDevice &file);
QString NotACardFile(const QString &path);

// Copies the rest of `from`, from its current position to its end, to `to`
// in fixed blocks, so that little of a large poster is held at once.
IoStatus CopyRest(QFileDevice &from, QFileDevice &to);
