#pragma once

#include "catalogue/CatalogueCard.h"

#include <QCollator>
#include <Qt>

#include <vector>

// The table's columns, in their order.
enum class CatalogueColumn { Affiche, Titre, Annee, Duree, Type, Realisateur };
inline constexpr int kCatalogueColumnCount = 6;

// French collation order, numbers in texts by value.
QCollator CatalogueCollator();

// Puts the rows (indexes into cards) in the column's order: texts in French
// collation order, year and running time as numbers, cards without them
// first. Equal keys fall back on the title, then the path, so that the order
// never depends on the listing. The poster column sorts by title. The cards'
// title keys are used where they are made.
void SortCards(std::vector<int> &rows, const std::vector<CatalogueCard> &cards, CatalogueColumn column,
               Qt::SortOrder order);
