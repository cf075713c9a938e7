#include "core/Files.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

FileStamp StampOf(const QString &path)
{
    struct stat about
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &about) == 0 ? StampOf(about) : FileStamp();
}

FileStamp StampOf(const struct stat &about)
{
    FileStamp stamp;
    stamp.modified = qint64(about.st_mtim.tv_sec) * 1000 + about.st_mtim.tv_nsec / 1000000;
    stamp.size = about.st_size;
    stamp.isFile = S_ISREG(about.st_mode);
    stamp.isFolder = S_ISDIR(about.st_mode);
    return stamp;
}
