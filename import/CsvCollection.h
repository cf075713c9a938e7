#pragma once

#include "import/ImportedFilm.h"

#include <QByteArray>

// True when the bytes open with a header row that names a title column
// (Titre, Title), comma or semicolon separated.
bool LooksLikeCsvCollection(const QByteArray &bytes);

// Reads a CSV collection with a header row: comma or semicolon separated,
// RFC 4180 quoting, UTF-8 (with or without byte order mark) or else
// Windows-1252. Columns are named in French or English: Titre/Title, Titre
// original/Original title, Année/Year, Durée/Running time/Length/Runtime
// (minutes or "1h42") or Heures and Minutes, Type/Genre, Réalisateur/
// Director, Acteurs/Actors/Cast, Résumé/Summary/Plot/Description/Synopsis;
// case and accents do not matter, other columns are left. Returns an empty
// text when the whole file was read, otherwise what the user is told.
QString ReadCsvCollection(const QByteArray &bytes, const FilmSink &films);
