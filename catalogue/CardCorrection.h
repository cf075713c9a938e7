#pragma once

#include "catalogue/CatalogueCard.h"

#include <QStringList>

#include <utility>
#include <vector>

// The fields given a new text in every chosen card.
using CardCorrection = std::vector<std::pair<CardRecord::Field, QString>>;

// Writes the correction into the text part of each card, rewritten in
// place, whole or not at all; the poster's bytes are not read. A card whose
// file changed since it was listed (date or size), is gone or is no whole
// card is left alone. Returns, for each card not written, a French sentence
// naming it and giving the reason.
QStringList CorrectCards(const std::vector<CatalogueCard> &cards, const CardCorrection &correction);
