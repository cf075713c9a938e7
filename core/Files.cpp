#include "core/Files.h"

#include <QFileInfo>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}
