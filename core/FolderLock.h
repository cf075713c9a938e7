#pragma once

#include <QFile>
#include <QString>

// The file that marks a folder whose program holds it locked.
inline constexpr char kLockFileName[] = "fsc_lck.tmp";

// Marks a folder as in use for as long as the process that made the mark
// runs, even one killed without warning: the system drops a process's locks
// when it ends. Unlike QLockFile it never waits for the disk, and a reused
// process number fools nothing.
class FolderLock
{
public:
    // Locks the folder; when that fails the folder is simply not marked.
    explicit FolderLock(const QString &folder);
    // Removes the mark and unlocks.
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Removes the folder's mark when the process that made it no longer
    // runs; true when it did. An unmarked folder gives false.
    static bool takeOverAbandoned(const QString &folder);

private:
    QString m_mark;
#ifdef Q_OS_WIN
    QFile m_held;
#else
    int m_lockedFolder = -1;
#endif
};
