#pragma once

#include "catalogue/CatalogueCard.h"

#include <QStringList>

#include <vector>

// The cards found by listing folders, and the folders found on the way.
struct FolderListing
{
    QStringList roots;   // the folders listed, none lying under another
    QStringList folders; // the roots and every folder under them
    std::vector<CatalogueCard> cards;
    QStringList changed; // the cards read from their files: new, or changed since known
};

// The cards (files named *.fsc) lying in the folders and their subfolders.
// Links to folders are not followed and only plain files are opened, so that
// no entry can hold the listing up. A card already known whose file has kept
// its date and size is taken as it is rather than read again.
FolderListing ListFolders(const QStringList &folders, const std::vector<CatalogueCard> &known = {});

// Whether the path lies in one of the folders or below.
bool LiesUnder(const QString &path, const QStringList &folders);

// "12 fiches sur 2 000": the rows shown and all the cards.
QString CountLine(int shown, int total);
