#include "core/FolderWatch.h"

#include <QFile>
#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int kSettleMs = 300;

// Cards come, go, are renamed or written in place; the folder itself goes.
constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_MODIFY
    | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

FolderWatch::FolderWatch(QObject *parent)
    : QObject(parent)
    , m_notifications(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        const QStringList folders(m_touched.begin(), m_touched.end());
        m_touched.clear();
        emit changed(folders);
    });
    // Without notifications (none left for this user), the folders are
    // listed when opened and when the shared folders' looks find changes.
    if (m_notifications >= 0) {
        m_ready = new QSocketNotifier(m_notifications, QSocketNotifier::Read, this);
        connect(m_ready, &QSocketNotifier::activated, this, &FolderWatch::readChanges);
    }
}

FolderWatch::~FolderWatch()
{
    if (m_notifications >= 0)
        ::close(m_notifications);
}

QStringList FolderWatch::watchFolders(const QStringList &folders)
{
    QStringList added;
    if (m_notifications < 0)
        return added;
    for (const QString &folder : folders) {
        if (m_watchOf.contains(folder))
            continue;
        const int watch = inotify_add_watch(m_notifications, QFile::encodeName(folder).constData(), kChanges);
        if (watch < 0)
            continue;
        // A folder renamed keeps its watch: it now lies at this path.
        if (const QString before = m_folderOf.value(watch); !before.isEmpty())
            m_watchOf.remove(before);
        m_folderOf.insert(watch, folder);
        m_watchOf.insert(folder, watch);
        added << folder;
    }
    return added;
}

void FolderWatch::readChanges()
{
    alignas(inotify_event) char events[64 * 1024];
    ssize_t got;
    while ((got = ::read(m_notifications, events, sizeof events)) > 0 || (got < 0 && errno == EINTR)) {
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(events + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) { // changes were lost: every folder is listed again
                for (const QString &folder : std::as_const(m_folderOf))
                    touched(folder);
                continue;
            }
            const QString folder = m_folderOf.value(event->wd);
            if (folder.isEmpty())
                continue;
            touched(folder);
            // A folder moved away is watched again at its new path, found
            // by the listing of the folder it went to.
            if (event->mask & IN_MOVE_SELF)
                inotify_rm_watch(m_notifications, event->wd);
            if (event->mask & (IN_IGNORED | IN_MOVE_SELF))
                forget(event->wd);
        }
    }
}

void FolderWatch::forget(int watch)
{
    m_watchOf.remove(m_folderOf.take(watch));
}

void FolderWatch::touched(const QString &folder)
{
    m_touched.insert(folder);
    m_settle.start();
}
