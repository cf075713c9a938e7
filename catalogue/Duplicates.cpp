#include "catalogue/Duplicates.h"

#include "catalogue/CatalogueSearch.h"

#include <QRegularExpression>

QString DuplicateKey(const CatalogueCard &card)
{
    if (!card.readable)
        return {};
    static const QRegularExpression article(QStringLiteral("^(le |la |les |the |l'|l\u2019)"));
    QString title = FoldForSearch(card.text(CardRecord::Titre)).simplified();
    title.remove(article);
    return title.trimmed() + u'\n' + card.text(CardRecord::Annee).trimmed();
}
