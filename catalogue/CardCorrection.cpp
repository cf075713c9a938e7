#include "catalogue/CardCorrection.h"

#include "card/CardFileIo.h"
#include "card/CardWriter.h"

#include <QDir>

namespace {

QString ChangedSinceListed(const QString &path)
{
    return QStringLiteral("La fiche « %1 » a changé depuis sa lecture : elle n'est pas modifiée.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

QStringList CorrectCards(const std::vector<CatalogueCard> &cards, const CardCorrection &correction)
{
    QStringList failures;
    for (const CatalogueCard &card : cards) {
        if (!card.readable) {
            failures << NotACardFile(card.path);
            continue;
        }
        // The record as listed is the one on disk while the file keeps its
        // date and size: only the text part is then written.
        const FileStamp file = StampOf(card.path);
        if (!file.isFile || file.modified != card.modified || file.size != card.size) {
            failures << ChangedSinceListed(card.path);
            continue;
        }
        CardRecord record = card.record();
        for (const auto &[field, text] : correction)
            record.set(field, text);
        if (const IoStatus written = WriteCardHeader(card.path, record); !written.ok())
            failures << written.errorString;
    }
    return failures;
}
