#include "core/FolderLock.h"

#include "core/Files.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

QString Mark(const QString &folder)
{
    return folder + u'/' + QLatin1String(kLockFileName);
}

} // namespace

#ifdef Q_OS_WIN

// Qt opens files without delete sharing: a mark held open cannot be removed
// until its process closes it or ends.

FolderLock::FolderLock(const QString &folder)
    : m_mark(Mark(folder))
    , m_held(m_mark)
{
    m_held.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

FolderLock::~FolderLock()
{
    if (m_held.isOpen()) {
        m_held.close();
        QFile::remove(m_mark);
    }
}

bool FolderLock::takeOverAbandoned(const QString &folder)
{
    return FileExists(Mark(folder)) && QFile::remove(Mark(folder));
}

#else

// The lock is on the folder itself; the mark, made once the lock is held,
// tells a folder being made from one whose maker is gone.

namespace {

int OpenFolder(const QString &folder)
{
    return ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool Lock(int fd)
{
    return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

} // namespace

FolderLock::FolderLock(const QString &folder)
    : m_mark(Mark(folder))
    , m_lockedFolder(OpenFolder(folder))
{
    QFile mark(m_mark);
    if (!Lock(m_lockedFolder) || !mark.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        m_mark.clear();
}

FolderLock::~FolderLock()
{
    if (!m_mark.isEmpty())
        QFile::remove(m_mark);
    if (m_lockedFolder >= 0)
        ::close(m_lockedFolder);
}

bool FolderLock::takeOverAbandoned(const QString &folder)
{
    if (!FileExists(Mark(folder)))
        return false;
    const int fd = OpenFolder(folder);
    const bool abandoned = Lock(fd) && QFile::remove(Mark(folder));
    if (fd >= 0)
        ::close(fd);
    return abandoned;
}

#endif
