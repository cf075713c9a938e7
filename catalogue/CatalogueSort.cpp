#include "catalogue/CatalogueSort.h"

#include <QCollator>

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

bool IsNumeric(CatalogueColumn column)
{
    return column == CatalogueColumn::Annee || column == CatalogueColumn::Duree;
}

bool IsOtherText(CatalogueColumn column)
{
    return column == CatalogueColumn::Type || column == CatalogueColumn::Realisateur;
}

} // namespace

CardOrder::CardOrder(CardStore &cards, CatalogueColumn column, Qt::SortOrder order)
    : m_cards(cards)
    , m_column(column)
    , m_order(order)
{
}

void CardOrder::prepare(const std::vector<int> &rows)
{
    // Keys are made once per card rather than at every comparison.
    for (int row : rows) {
        CatalogueCard &card = m_cards[row];
        TableKeys &keys = card.keys;
        if (!keys.title)
            keys.title = SortKey(card.title());
        if ((IsNumeric(m_column) || IsOtherText(m_column)) && keys.column != int(m_column)) {
            keys.column = int(m_column);
            if (IsNumeric(m_column))
                keys.number = SortNumber(card, m_column);
            else
                keys.text = SortKey(SortText(card, m_column));
        }
    }
}

bool CardOrder::operator()(int a, int b) const
{
    // The order is total, so that descending is ascending reversed.
    return m_order == Qt::AscendingOrder ? ascending(a, b) : ascending(b, a);
}

bool CardOrder::ascending(int a, int b) const
{
    const TableKeys &keysA = m_cards[a].keys;
    const TableKeys &keysB = m_cards[b].keys;
    if (IsNumeric(m_column) && keysA.number != keysB.number)
        return keysA.number < keysB.number;
    if (IsOtherText(m_column))
        if (const int c = keysA.text->compare(*keysB.text); c != 0)
            return c < 0;
    if (const int c = keysA.title->compare(*keysB.title); c != 0)
        return c < 0;
    return m_cards[a].path < m_cards[b].path;
}

void SortCards(std::vector<int> &rows, CardStore &cards, CatalogueColumn column, Qt::SortOrder order)
{
    CardOrder before(cards, column, order);
    before.prepare(rows);
    std::sort(rows.begin(), rows.end(), before);
}

void MergeRows(std::vector<int> &order, const std::vector<int> &rows, const CardOrder &before)
{
    std::vector<int> merged;
    merged.reserve(order.size() + rows.size());
    auto from = order.cbegin();
    for (int row : rows) {
        // The row's place lies in [low, high]: every card before low comes
        // before the row, the card at high (when there is one) after it.
        auto low = from;
        auto high = from;
        for (std::ptrdiff_t step = 1; high != order.cend() && !before(row, *high); step *= 2) {
            low = high + 1;
            high = order.cend() - low > step ? low + step : order.cend();
        }
        const auto place = std::upper_bound(low, high, row, before);
        merged.insert(merged.end(), from, place);
        merged.push_back(row);
        from = place;
    }
    merged.insert(merged.end(), from, order.cend());
    order = std::move(merged);
}

QCollatorSortKey SortKey(const QString &text)
{
    thread_local const QCollator collator = [] {
        QCollator french{QLocale(QLocale::French, QLocale::France)};
        french.setNumericMode(true);
        return french;
    }();
    return collator.sortKey(text);
}
