#pragma once

#include "catalogue/CatalogueCard.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>
#include <vector>

class QThreadPool;

// Each folder and its modification time, in milliseconds since the epoch.
using FolderTimes = QHash<QString, qint64>;

// What listing folders found, less the cards it read, which it hands over
// in batches as it goes.
struct FolderListing
{
    QStringList roots;   // the folders listed, none lying under another
    FolderTimes folders; // the roots and every folder under them
    QStringList gone;    // the cards known there that were not found
    // Cards that vanished or were cut short while read: not listed, and
    // given back as known at the next look, which takes them if unchanged.
    std::vector<CatalogueCard> unsettled;
};

// A card listed before, as the next listing needs it: its file's date and
// size tell whether it changed.
struct KnownCard
{
    QString path;
    qint64 modified = 0;
    qint64 size = 0;
    bool settled = true; // false: left out while it was being written
};

// Takes the cards read so far; false stops the listing.
using CardBatchSink = std::function<bool(std::vector<CatalogueCard> &&cards)>;

// Lists the cards (files named *.fsc) lying in the folders and their
// subfolders. Links to folders are not followed and only plain files are
// opened, so that no entry can hold the listing up. A card already known
// whose file has kept its date and size is not read again and not handed
// over, unless it was left out unsettled: it is then taken as it is. The
// others are read by the readers' threads and handed over in batches, small
// at first so that the first rows come at once.
FolderListing ListFolders(const QStringList &folders, const std::vector<KnownCard> &known, QThreadPool &readers,
                          const CardBatchSink &sink);

// Whether the path lies in one of the folders or below.
bool LiesUnder(const QString &path, const QStringList &folders);

// "1 fiche", "4 200 fiches".
QString CardCount(int count);
// "12 fiches sur 2 000": the rows shown and all the cards. Numbers are
// grouped as QLocale writes French: by a narrow no-break space.
QString CountLine(int shown, int total);
// "Lecture… 4 200 fiches": the cards read so far by the first listing.
QString ReadingLine(int read);
