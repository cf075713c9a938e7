#include "catalogue/CatalogueFolder.h"

#include "catalogue/CatalogueSort.h"

#include <QDirIterator>
#include <QLocale>
#include <QtConcurrent/QtConcurrentMap>

namespace {

constexpr qsizetype kFirstBatch = 200;
constexpr qsizetype kLargestBatch = 4000;

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

// Reads the paths on every core and hands the settled cards over.
bool ReadBatch(QStringList &paths, FolderListing &listing, const CardBatchSink &sink)
{
    // Each card's title key is made as it is read, on every core: the
    // table sorts by title first.
    std::vector<CatalogueCard> read =
        QtConcurrent::blockingMapped<std::vector<CatalogueCard>>(paths, [](const QString &path) {
            CatalogueCard card = ReadCatalogueCard(path);
            card.keys.title = SortKey(card.title());
            return card;
        });
    paths.clear();
    std::vector<CatalogueCard> settled;
    settled.reserve(read.size());
    for (CatalogueCard &card : read)
        (card.settled ? settled : listing.unsettled).push_back(std::move(card));
    return settled.empty() || sink(std::move(settled));
}

} // namespace

FolderListing ListFolders(const QStringList &folders, const std::vector<CatalogueCard> &known,
                          const CardBatchSink &sink)
{
    QHash<QString, const CatalogueCard *> knownByPath;
    knownByPath.reserve(qsizetype(known.size()));
    for (const CatalogueCard &card : known)
        knownByPath.insert(card.path, &card);

    FolderListing listing;
    listing.roots = Outermost(folders);
    QStringList toRead;
    qsizetype batch = kFirstBatch;
    for (const QString &root : listing.roots) {
        listing.folders.insert(root, QFileInfo(root).lastModified().toMSecsSinceEpoch());
        // Folders are listed whatever their names, cards by theirs.
        QDirIterator it(root, {QStringLiteral("*.fsc")},
                        QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file = it.nextFileInfo();
            if (file.isDir()) {
                if (!file.isSymLink())
                    listing.folders.insert(file.absoluteFilePath(), file.lastModified().toMSecsSinceEpoch());
                continue;
            }
            const QString path = file.absoluteFilePath();
            listing.found.insert(path);
            const CatalogueCard *old = knownByPath.value(path, nullptr);
            const FileStamp stamp = old ? StampOf(path) : FileStamp();
            if (old && old->modified == stamp.modified && old->size == stamp.size) {
                if (!old->settled) { // unchanged since the last look: it is as it stays
                    CatalogueCard card = *old;
                    card.settled = true;
                    if (!sink({std::move(card)}))
                        return listing;
                }
                continue;
            }
            toRead << path;
            if (toRead.size() >= batch) {
                if (!ReadBatch(toRead, listing, sink))
                    return listing;
                batch = std::min(batch * 2, kLargestBatch);
            }
        }
    }
    if (!toRead.isEmpty())
        ReadBatch(toRead, listing, sink);
    for (const CatalogueCard &card : known)
        if (!listing.found.contains(card.path))
            listing.gone << card.path;
    // One shown before stays as it was until it settles.
    for (const CatalogueCard &card : listing.unsettled)
        if (!knownByPath.contains(card.path))
            listing.found.remove(card.path);
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
