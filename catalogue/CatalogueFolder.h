#pragma once

#include "catalogue/CatalogueCard.h"

#include <QStringList>

#include <functional>
#include <vector>

// A card already read, looked up by path, so that a folder listed again
// reads only the files that changed; null when unknown.
using KnownCard = std::function<const CatalogueCard *(const QString &path)>;

// The cards (files named *.fsc) lying in the folder, and with `withSubfolders`
// in its subfolders too. Links to folders are not followed and only plain
// files are opened, so that no entry can hold the listing up.
std::vector<CatalogueCard> ListCards(const QString &folder, bool withSubfolders, const KnownCard &known = {});

// The folder's subfolders, at every depth, the folder itself first.
QStringList FoldersUnder(const QString &folder);

// "12 fiches sur 2 000": the rows shown and all the cards.
QString CountLine(int shown, int total);
