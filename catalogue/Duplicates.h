#pragma once

#include "catalogue/CatalogueCard.h"

#include <QString>

// What two cards of one film share: the title without regard to case,
// accents, blanks and a leading article (le, la, les, l', the), then the
// year. Empty for a damaged card, which duplicates none.
QString DuplicateKey(const CatalogueCard &card);
