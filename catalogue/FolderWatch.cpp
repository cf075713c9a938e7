#include "catalogue/FolderWatch.h"

#include "catalogue/CatalogueFolder.h"

#include <QFileInfo>

namespace {

constexpr int kSettleMs = 300;
constexpr qsizetype kFilesPerTurn = 500;

} // namespace

FolderWatch::FolderWatch(const QString &root, QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::touched);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            [this](const QString &path) { touched(QFileInfo(path).absolutePath()); });
    connect(&m_settle, &QTimer::timeout, this, [this] {
        const QStringList folders(m_touched.begin(), m_touched.end());
        m_touched.clear();
        emit changed(folders);
    });
    watchFoldersUnder(root);
}

QStringList FolderWatch::watchFoldersUnder(const QString &folder)
{
    QStringList added;
    const QStringList watched = m_watcher.directories();
    for (const QString &path : FoldersUnder(folder))
        if (!watched.contains(path))
            added << path;
    if (!added.isEmpty())
        m_watcher.addPaths(added);
    return added;
}

void FolderWatch::watchFiles(const QStringList &paths)
{
    const QStringList files = m_watcher.files();
    const QSet<QString> watched(files.begin(), files.end());
    QStringList added;
    for (const QString &path : paths)
        if (!watched.contains(path))
            added << path;
    // Thousands of watches at once would hold the interface up: a share at
    // each turn of the event loop.
    for (qsizetype from = 0; from < added.size(); from += kFilesPerTurn)
        QTimer::singleShot(0, this, [this, share = added.mid(from, kFilesPerTurn)] { m_watcher.addPaths(share); });
}

void FolderWatch::touched(const QString &folder)
{
    m_touched.insert(folder);
    m_settle.start();
}
