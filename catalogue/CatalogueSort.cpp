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

QCollator CatalogueCollator()
{
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setNumericMode(true);
    return collator;
}

void SortCards(std::vector<int> &rows, const std::vector<CatalogueCard> &cards, CatalogueColumn column,
               Qt::SortOrder order)
{
    const QCollator collator = CatalogueCollator();
    // Keys are made once per card rather than at every comparison.
    std::vector<QCollatorSortKey> titles;
    std::vector<QCollatorSortKey> texts;
    std::vector<int> numbers(cards.size(), 0);
    titles.reserve(cards.size());
    const bool numeric = column == CatalogueColumn::Annee || column == CatalogueColumn::Duree;
    const bool byOtherText = column == CatalogueColumn::Type || column == CatalogueColumn::Realisateur;
    for (const CatalogueCard &card : cards) {
        titles.push_back(card.titleKey ? *card.titleKey : collator.sortKey(card.title()));
        if (byOtherText)
            texts.push_back(collator.sortKey(SortText(card, column)));
    }
    if (numeric)
        for (size_t i = 0; i < cards.size(); ++i)
            numbers[i] = SortNumber(cards[i], column);

    const auto ascending = [&](int a, int b) {
        if (numeric && numbers[a] != numbers[b])
            return numbers[a] < numbers[b];
        if (byOtherText)
            if (const int c = texts[a].compare(texts[b]); c != 0)
                return c < 0;
        if (const int c = titles[a].compare(titles[b]); c != 0)
            return c < 0;
        return cards[a].path < cards[b].path;
    };
    std::sort(rows.begin(), rows.end(), ascending);
    if (order == Qt::DescendingOrder)
        std::reverse(rows.begin(), rows.end());
}
