#pragma once

#include "card/IoStatus.h"

#include <QFileDevice>

// True when a file (not a folder) exists at the path.
bool FileExists(const QString &path);

// Messages shared by the card reader and writer.
QString CannotRead(const QFileDevice &file);
QString CannotWrite(const QFileDevice &file);
QString NotACardFile(const QString &path);

// Copies the rest of `from`, from its current position to its end, to `to`
// in fixed blocks, so that little of a large poster is held at once.
IoStatus CopyRest(QFileDevice &from, QFileDevice &to);
