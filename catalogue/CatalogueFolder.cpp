#include "catalogue/CatalogueFolder.h"

#include <QDirIterator>
#include <QLocale>

std::vector<CatalogueCard> ListCards(const QString &folder, bool withSubfolders, const KnownCard &known)
{
    std::vector<CatalogueCard> cards;
    QDirIterator it(folder, {QStringLiteral("*.fsc")}, QDir::Files | QDir::Hidden,
                    withSubfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        const QFileInfo file = it.fileInfo();
        const CatalogueCard *old = known ? known(file.absoluteFilePath()) : nullptr;
        if (old && old->modified == file.lastModified().toMSecsSinceEpoch() && old->size == file.size())
            cards.push_back(*old);
        else
            cards.push_back(ReadCatalogueCard(file));
    }
    return cards;
}

QStringList FoldersUnder(const QString &folder)
{
    QStringList folders{QFileInfo(folder).absoluteFilePath()};
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.nextFileInfo().absoluteFilePath();
    return folders;
}

QString CountLine(int shown, int total)
{
    const QLocale french(QLocale::French, QLocale::France);
    return french.toString(shown) + (shown < 2 ? QStringLiteral(" fiche sur ") : QStringLiteral(" fiches sur "))
        + french.toString(total);
}
