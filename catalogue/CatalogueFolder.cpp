#include "catalogue/CatalogueFolder.h"

#include <QDirIterator>
#include <QHash>
#include <QLocale>
#include <QtConcurrent/QtConcurrentMap>

namespace {

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

} // namespace

FolderListing ListFolders(const QStringList &folders, const std::vector<CatalogueCard> &known)
{
    QHash<QString, const CatalogueCard *> knownByPath;
    knownByPath.reserve(qsizetype(known.size()));
    for (const CatalogueCard &card : known)
        knownByPath.insert(card.path, &card);

    FolderListing listing;
    listing.roots = Outermost(folders);
    for (const QString &root : listing.roots) {
        listing.folders << root;
        // Folders are listed whatever their names, cards by theirs.
        QDirIterator it(root, {QStringLiteral("*.fsc")},
                        QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file = it.nextFileInfo();
            if (file.isDir()) {
                if (!file.isSymLink())
                    listing.folders << file.absoluteFilePath();
                continue;
            }
            const QString path = file.absoluteFilePath();
            const CatalogueCard *old = knownByPath.value(path, nullptr);
            if (old && old->modified == file.lastModified().toMSecsSinceEpoch() && old->size == file.size())
                listing.cards.push_back(*old);
            else
                listing.changed << path;
        }
    }
    // The cards are read on every core.
    std::vector<CatalogueCard> read =
        QtConcurrent::blockingMapped<std::vector<CatalogueCard>>(listing.changed, ReadCatalogueCard);
    listing.cards.insert(listing.cards.end(), std::make_move_iterator(read.begin()),
                         std::make_move_iterator(read.end()));
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

QString CountLine(int shown, int total)
{
    const QLocale french(QLocale::French, QLocale::France);
    return french.toString(shown) + (shown < 2 ? QStringLiteral(" fiche sur ") : QStringLiteral(" fiches sur "))
        + french.toString(total);
}
