#pragma once

#include "catalogue/CatalogueCard.h"

#include <QCollatorSortKey>
#include <Qt>

#include <deque>
#include <vector>

// The catalogue's cards, by index. Each keeps its place in memory as more
// come: a vector grown past a hundred thousand cards would move them all at
// once, holding the interface up.
using CardStore = std::deque<CatalogueCard>;

// The table's columns, in their order.
enum class CatalogueColumn { Affiche, Titre, Annee, Duree, Type, Realisateur };
inline constexpr int kCatalogueColumnCount = 6;

// The order of the rows (indexes into cards) for a column: texts in French
// collation order, year and running time as numbers, cards without them
// first. Equal keys fall back on the title, then the path, so that the order
// never depends on the listing. The poster column sorts by title.
class CardOrder
{
public:
    CardOrder(CardStore &cards, CatalogueColumn column, Qt::SortOrder order);

    // Makes the keys the rows' cards lack, and keeps them in the cards.
    void prepare(const std::vector<int> &rows);
    // Whether a comes before b; both prepared.
    bool operator()(int a, int b) const;

private:
    bool ascending(int a, int b) const;

    CardStore &m_cards;
    CatalogueColumn m_column;
    Qt::SortOrder m_order;
};

// The key texts sort by: French collation, numbers by their value. Made on
// any thread, so that a listing makes its cards' title keys as it reads.
QCollatorSortKey SortKey(const QString &text);

// Puts the rows in the column's order.
void SortCards(std::vector<int> &rows, CardStore &cards, CatalogueColumn column, Qt::SortOrder order);

// Merges the sorted rows into the sorted order. Each row's place is found by
// galloping from the last one's: a batch of a few thousand cards merged into
// a hundred thousand costs a few comparisons a card of the batch, rather than
// one a card of the order, each a look far away in memory.
void MergeRows(std::vector<int> &order, const std::vector<int> &rows, const CardOrder &before);
