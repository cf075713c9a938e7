#pragma once

#include "catalogue/CatalogueCard.h"

#include <QCollatorSortKey>
#include <Qt>

#include <vector>

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
    CardOrder(std::vector<CatalogueCard> &cards, CatalogueColumn column, Qt::SortOrder order);

    // Makes the keys the rows' cards lack, and keeps them in the cards.
    void prepare(const std::vector<int> &rows);
    // Whether a comes before b; both prepared.
    bool operator()(int a, int b) const;

private:
    bool ascending(int a, int b) const;

    std::vector<CatalogueCard> &m_cards;
    CatalogueColumn m_column;
    Qt::SortOrder m_order;
};

// The key texts sort by: French collation, numbers by their value. Made on
// any thread, so that a listing makes its cards' title keys as it reads.
QCollatorSortKey SortKey(const QString &text);

// Puts the rows in the column's order.
void SortCards(std::vector<int> &rows, std::vector<CatalogueCard> &cards, CatalogueColumn column, Qt::SortOrder order);
