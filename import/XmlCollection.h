#pragma once

#include "import/ImportedFilm.h"

class QIODevice;

// Reads a collection written as XML, streamed, film by film: Tellico (a
// video collection: title, year, running-time, genres, directors, the
// first column of casts, plot, cover, and the pictures of <images> written
// inside it in base64), GCstar (GCfilms: title or original, date, time,
// genre, director, actors as <line><col> or as the older "Name (Role), ..."
// attribute, synopsis, image) and Ant Movie Catalog's export (Movie:
// TranslatedTitle or OriginalTitle, Year, Length, Category, Director,
// Actors, Description, Picture). Documents that declare entities are
// refused: none of these formats uses them.
// Returns an empty text when the whole document was read, otherwise what
// the user is told ("Fichier endommagé à la ligne 212, colonne 9").
QString ReadXmlCollection(QIODevice &device, const FilmSink &films, const ImageSink &images);

// The message for an unknown format, shared by every reader.
inline constexpr char kUnknownFormat[] = "Format de collection non reconnu";
