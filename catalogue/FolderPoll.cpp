#include "catalogue/FolderPoll.h"

#include "catalogue/SharedFolder.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// A card being written on a folder that is not looked at is read again
// this much later.
constexpr int kRetryMs = 2000;

} // namespace

FolderPoll::FolderPoll(int seconds, QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(seconds > 0 ? seconds * 1000 : kRetryMs);
    m_timer.setSingleShot(seconds == 0);
    if (seconds > 0)
        m_timer.start();
    connect(&m_timer, &QTimer::timeout, this, &FolderPoll::look);
    connect(&m_look, &QFutureWatcher<QStringList>::finished, this, [this] {
        QSet<QString> folders = std::exchange(m_retry, {});
        for (const QString &folder : m_look.result())
            folders.insert(folder);
        if (!folders.isEmpty())
            emit changed(QStringList(folders.begin(), folders.end()));
    });
}

void FolderPoll::take(const FolderListing &listing)
{
    m_folders.removeIf([&listing](const auto &folder) { return LiesUnder(folder.key(), listing.roots); });
    for (const QString &root : listing.roots)
        m_folders.remove(root);
    m_folders.insert(listing.folders);
    for (const CatalogueCard &card : listing.unsettled)
        m_retry.insert(QFileInfo(card.path).absolutePath());
    if (!m_retry.isEmpty() && m_timer.isSingleShot())
        m_timer.start();
}

void FolderPoll::look()
{
    if (!m_look.isRunning())
        m_look.setFuture(QtConcurrent::run(ChangedFolders, m_folders));
}
