#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Watches the folders of a catalogue and the cards in them, and tells which
// folders changed once the changes settle (300 ms), so that a copy of many
// files is listed again once rather than at each file.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatch(QObject *parent = nullptr);

    // Watches those of the folders not watched yet, and returns them.
    QStringList watchFolders(const QStringList &folders);
    // Watches those of the cards not watched yet, a share at each turn of
    // the event loop.
    void watchFiles(const QStringList &paths);

signals:
    // Each folder whose cards must be listed again.
    void changed(const QStringList &folders);

private:
    void touched(const QString &folder);
    void watchShare();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QSet<QString> m_touched;
    // Kept rather than asked of the watcher: a catalogue of many thousand
    // cards is checked at each change.
    QSet<QString> m_watchedOrWaiting;
    QStringList m_unwatchedFiles;
    QTimer m_nextShare;
};
