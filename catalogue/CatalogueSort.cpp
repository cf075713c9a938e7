#include "catalogue/CatalogueSort.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>

namespace {

QString SortText(const CatalogueCard &card, CatalogueColumn column)
{
    switch (column) {
    case CatalogueColumn::Type: return card.readable ? card.text(CardRecord::Type) : QString();
    case CatalogueColumn::Realisateur: return card.readable ? card.text(CardRecord::Realisateur) : QString();
    default: return card.title();
    }
}

int SortNumber(const CatalogueCard &card, CatalogueColumn column)
{
    if (!card.readable)
        return -1;
    return column == CatalogueColumn::Annee ? card.year() : card.minutes();
}

} // namespace

void SortCards(std::vector<int> &rows, std::vector<CatalogueCard> &cards, CatalogueColumn column, Qt::SortOrder order)
{
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setNumericMode(true);
    const bool numeric = column == CatalogueColumn::Annee || column == CatalogueColumn::Duree;
    const bool byOtherText = column == CatalogueColumn::Type || column == CatalogueColumn::Realisateur;
    // Keys are made once per card rather than at every comparison.
    for (int row : rows) {
        CatalogueCard &card = cards[row];
        TableKeys &keys = card.keys;
        if (!keys.title)
            keys.title = collator.sortKey(card.title());
        if ((numeric || byOtherText) && keys.column != int(column)) {
            keys.column = int(column);
            if (numeric)
                keys.number = SortNumber(card, column);
            else
                keys.text = collator.sortKey(SortText(card, column));
        }
    }

    const auto ascending = [&](int a, int b) {
        const TableKeys &keysA = cards[a].keys;
        const TableKeys &keysB = cards[b].keys;
        if (numeric && keysA.number != keysB.number)
            return keysA.number < keysB.number;
        if (byOtherText)
            if (const int c = keysA.text->compare(*keysB.text); c != 0)
                return c < 0;
        if (const int c = keysA.title->compare(*keysB.title); c != 0)
            return c < 0;
        return cards[a].path < cards[b].path;
    };
    std::sort(rows.begin(), rows.end(), ascending);
    if (order == Qt::DescendingOrder)
        std::reverse(rows.begin(), rows.end());
}
