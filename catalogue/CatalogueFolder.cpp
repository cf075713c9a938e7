#include "catalogue/CatalogueFolder.h"

#include "catalogue/CatalogueSort.h"

#include "core/FolderWalk.h"
#include "core/ThreadPriority.h"

#include <QLocale>
#include <QtConcurrent/QtConcurrentMap>

namespace {

constexpr qsizetype kFirstBatch = 200;
constexpr qsizetype kLargestBatch = 4000;
// The listing's threads give way to the interface thread.
constexpr int kListingNice = 10;

// The folders less those lying under another of them.
QStringList Outermost(QStringList folders)
{
    folders.sort();
    folders.removeDuplicates();
    QStringList outermost;
    for (const QString &folder : folders)
        if (!LiesUnder(folder, outermost))
            outermost << folder;
    return outermost;
}

// Reads the cards in place on the readers' threads, and hands the settled
// ones over, with those to be taken as they are.
bool ReadBatch(std::vector<CatalogueCard> &toRead, const QSet<QString> &asTheyAre, QThreadPool &readers,
               FolderListing &listing, const CardBatchSink &sink)
{
    // Each card's title key is made as it is read, on every core: the
    // table sorts by title first.
    QtConcurrent::blockingMap(&readers, toRead, [](CatalogueCard &card) {
        LowerThisThread(kListingNice);
        card = ReadCatalogueCard(card.path);
        card.keys.title = SortKey(card.title());
    });
    std::vector<CatalogueCard> settled;
    settled.reserve(toRead.size());
    for (CatalogueCard &card : toRead) {
        card.settled = card.settled || asTheyAre.contains(card.path);
        (card.settled ? settled : listing.unsettled).push_back(std::move(card));
    }
    toRead.clear();
    return settled.empty() || sink(std::move(settled));
}

} // namespace

FolderListing ListFolders(const QStringList &folders, const std::vector<KnownCard> &known, QThreadPool &readers,
                          const CardBatchSink &sink)
{
    QHash<QString, const KnownCard *> knownByPath;
    knownByPath.reserve(qsizetype(known.size()));
    for (const KnownCard &card : known)
        knownByPath.insert(card.path, &card);

    LowerThisThread(kListingNice);
    FolderListing listing;
    listing.roots = Outermost(folders);
    QSet<QString> found; // the known cards still there
    std::vector<CatalogueCard> toRead;
    QSet<QString> asTheyAre; // unsettled before, unchanged since
    qsizetype batch = kFirstBatch;
    FolderVisitor visitor;
    visitor.folder = [&listing](const QString &path, const FileStamp &stamp) {
        listing.folders.insert(path, stamp.modified);
    };
    visitor.file = [&](const QString &path) {
        const KnownCard *old = knownByPath.value(path, nullptr);
        if (old) {
            found.insert(path);
            const FileStamp stamp = StampOf(path);
            if (old->modified == stamp.modified && old->size == stamp.size) {
                if (old->settled)
                    return true;
                // Unchanged since the last look: it is as it stays.
                asTheyAre.insert(path);
            }
        }
        toRead.emplace_back().path = path;
        if (qsizetype(toRead.size()) < batch)
            return true;
        batch = std::min(batch * 2, kLargestBatch);
        return ReadBatch(toRead, asTheyAre, readers, listing, sink);
    };
    for (const QString &root : std::as_const(listing.roots)) {
        listing.folders.insert(root, -1); // looked at again until it can be listed
        if (!WalkFolders(root, QStringLiteral(".fsc"), visitor))
            return listing;
    }
    if (!toRead.empty() && !ReadBatch(toRead, asTheyAre, readers, listing, sink))
        return listing;
    for (const KnownCard &card : known)
        if (!found.contains(card.path))
            listing.gone << card.path;
    return listing;
}

bool LiesUnder(const QString &path, const QStringList &folders)
{
    for (const QString &folder : folders)
        if (path.size() > folder.size() && path.startsWith(folder)
            && (folder.endsWith(u'/') || path[folder.size()] == u'/'))
            return true;
    return false;
}

QString CardCount(int count)
{
    return QLocale(QLocale::French, QLocale::France).toString(count)
        + (count < 2 ? QStringLiteral(" fiche") : QStringLiteral(" fiches"));
}

QString CountLine(int shown, int total)
{
    return CardCount(shown) + QStringLiteral(" sur ") + QLocale(QLocale::French, QLocale::France).toString(total);
}

QString ReadingLine(int read)
{
    return QStringLiteral("Lecture… ") + CardCount(read);
}
