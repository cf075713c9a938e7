#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QSocketNotifier;

// Watches folders and tells which of them changed once
// the changes settle (300 ms), so that a copy of many files is listed again
// once rather than at each file. The system's change notification on a
// folder tells of the files created, removed, renamed and written in it,
// whatever their number: no card needs a watch of its own (Qt's watcher
// sees a file written in place only by watching that file, one watch a
// card, and many systems allow 8,192 watches).
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatch(QObject *parent = nullptr);
    ~FolderWatch() override;

    // Watches those of the folders not watched yet, and returns those it
    // could watch.
    QStringList watchFolders(const QStringList &folders);

signals:
    // Each folder whose cards must be listed again.
    void changed(const QStringList &folders);

private:
    void readChanges();
    void touched(const QString &folder);
    void forget(int watch);

    int m_notifications = -1;
    QSocketNotifier *m_ready = nullptr;
    QHash<int, QString> m_folderOf; // by watch
    QHash<QString, int> m_watchOf;
    QTimer m_settle;
    QSet<QString> m_touched;
};
