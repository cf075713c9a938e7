#include "catalogue/FolderWatch.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

constexpr int kSettleMs = 300;
constexpr qint64 kWatchMsPerTurn = 10;

} // namespace

FolderWatch::FolderWatch(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    m_nextShare.setSingleShot(true);
    m_nextShare.setInterval(0);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::touched);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        // A file replaced or removed may no longer be watched: the next
        // listing watches what lies at its path again.
        m_watchedOrWaiting.remove(path);
        touched(QFileInfo(path).absolutePath());
    });
    connect(&m_settle, &QTimer::timeout, this, [this] {
        const QStringList folders(m_touched.begin(), m_touched.end());
        m_touched.clear();
        emit changed(folders);
    });
    connect(&m_nextShare, &QTimer::timeout, this, &FolderWatch::watchShare);
}

QStringList FolderWatch::watchFolders(const QStringList &folders)
{
    const QStringList directories = m_watcher.directories();
    const QSet<QString> watched(directories.begin(), directories.end());
    QStringList added;
    for (const QString &folder : folders)
        if (!watched.contains(folder))
            added << folder;
    if (!added.isEmpty())
        m_watcher.addPaths(added);
    return added;
}

void FolderWatch::watchFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        if (!m_watchedOrWaiting.contains(path)) {
            m_watchedOrWaiting.insert(path);
            m_unwatchedFiles << path;
        }
    if (!m_unwatchedFiles.isEmpty())
        m_nextShare.start();
}

void FolderWatch::watchShare()
{
    // The watcher compares each new path with all those it watches: adding
    // thousands at once would hold the interface up.
    QElapsedTimer clock;
    clock.start();
    qsizetype added = 0;
    while (added < m_unwatchedFiles.size() && clock.elapsed() < kWatchMsPerTurn)
        m_watcher.addPath(m_unwatchedFiles[added++]);
    m_unwatchedFiles.remove(0, added);
    if (!m_unwatchedFiles.isEmpty())
        m_nextShare.start();
}

void FolderWatch::touched(const QString &folder)
{
    m_touched.insert(folder);
    m_settle.start();
}
