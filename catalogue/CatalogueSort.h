#pragma once

#include "catalogue/CatalogueCard.h"

#include <Qt>

#include <vector>

// The table's columns, in their order.
enum class CatalogueColumn { Affiche, Titre, Annee, Duree, Type, Realisateur };
inline constexpr int kCatalogueColumnCount = 6;

// Puts the rows (indexes into cards) in the column's order: texts in French
// collation order, year and running time as numbers, cards without them
// first. Equal keys fall back on the title, then the path, so that the order
// never depends on the listing. The poster column sorts by title. The keys
// made for the rows' cards are kept in them.
void SortCards(std::vector<int> &rows, std::vector<CatalogueCard> &cards, CatalogueColumn column, Qt::SortOrder order);
