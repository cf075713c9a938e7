#pragma once

#include "FuzzCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

// The input written as the file "card.fsc" in a folder kept for the run;
// returns its path.
inline QString InputFile(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.fsc"));
    QFile file(path);
    Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
          && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    return path;
}
