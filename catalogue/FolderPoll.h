#pragma once

#include "catalogue/CatalogueFolder.h"

#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QTimer>

// Looks at a catalogue's folders now and then, off the interface thread:
// their modification times first, and tells which changed, so that only
// their cards are listed again. Folders holding a card that was being
// written when listed are told at the next look, whatever their time.
class FolderPoll : public QObject
{
    Q_OBJECT

public:
    // Looks every `seconds` (0: only to read cards being written again).
    explicit FolderPoll(int seconds, QObject *parent = nullptr);

    // Takes the folders a listing found, in place of those under its roots.
    void take(const FolderListing &listing);
    // Looks now, unless a look is under way.
    void look();

signals:
    void changed(const QStringList &folders);

private:
    FolderTimes m_folders;
    QSet<QString> m_retry; // folders of cards being written when listed
    QTimer m_timer;
    QFutureWatcher<QStringList> m_look;
};
