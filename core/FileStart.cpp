#include "core/FileStart.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// Up to `most` bytes from the start; -1 when they cannot be read.
ssize_t ReadStart(int fd, char *bytes, qsizetype most)
{
    ssize_t got = 0;
    while (got < most) {
        const ssize_t read = ::pread(fd, bytes + got, size_t(most - got), got);
        if (read < 0 && errno != EINTR)
            return -1;
        if (read == 0)
            break; // the end of the file
        got += std::max<ssize_t>(read, 0);
    }
    return got;
}

} // namespace

FileStart ReadFileStart(const QString &path, char *bytes, qsizetype most)
{
    FileStart start;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        start.status = errno == ENOENT ? FileStart::Missing : FileStart::Unreadable;
        return start;
    }
    struct stat about
    {
    };
    if (::fstat(fd, &about) == 0)
        start.stamp = StampOf(about);
    if (start.stamp.isFile) {
        if (const ssize_t got = ReadStart(fd, bytes, most); got >= 0) {
            start.status = FileStart::Read;
            start.size = got;
        }
    }
    ::close(fd);
    return start;
}
