#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Watches a folder, its subfolders and the cards in them, and tells which
// folders changed once the changes settle (300 ms), so that a copy of many
// files is listed again once rather than at each file.
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatch(const QString &root, QObject *parent = nullptr);

    // Watches the folders not watched yet, at every depth, and the cards in
    // them; returns the folders newly watched.
    QStringList watchFoldersUnder(const QString &folder);
    void watchFiles(const QStringList &paths);

signals:
    // Each folder whose cards must be listed again.
    void changed(const QStringList &folders);

private:
    void touched(const QString &folder);

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QSet<QString> m_touched;
};
