#pragma once

#include <QSet>
#include <QString>

// The file name of an imported card: "<Titre> (<Année>).fsc" ("<Titre>.fsc"
// without a year), the characters Windows and network shares refuse
// (\ / : * ? " < > | and control characters) replaced by "_", a name
// Windows reserves (CON, NUL, ...) followed by "_", at most 120 bytes in
// UTF-8 with " (2)", " (3)" ... added when the name is taken; the title is cut first.
QString CardFileName(const QString &title, const QString &year, int copy = 1);

// The first name of CardFileName's series that names no file in the folder
// and none of the names already taken (compared without case, as Windows
// does), which it joins.
QString FreeCardFileName(const QString &folder, const QString &title, const QString &year, QSet<QString> &taken);

// The folder's name for a collection file: its name without extension
// ("Ma collection" for "Ma collection.tc"), characters cleaned as above, with
// " (2)" ... when the parent already holds it.
QString FreeFolderName(const QString &parent, const QString &collectionPath);
