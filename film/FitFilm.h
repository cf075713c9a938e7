#pragma once

#include "card/CardRecord.h"
#include "film/Film.h"

#include <QStringList>

struct FittedFilm
{
    CardRecord record;   // every field fitted to the card's lengths and code page
    QStringList changes; // French, one line per change fitting made, for a report
    int cutFields = 0;   // fields that lost part of their text to their length
};

// Fits a film into a card's fields, the same way for every source:
// - Titre: the title, else the original title; Année: a four-digit year;
//   Durée: hours (" 1" as the editor stores them) and minutes ("42"), both
//   empty for 0 or past 9 h 59; Type: the first genre, capital first letter.
// - Réalisateur: the directors joined by ", " as far as whole names fit.
// - Acteurs: the first ten distinct names in billing order, each at most 50
//   characters, without "|".
// - Résumé: CR LF line breaks; a long one is cut after its last sentence end
//   when that keeps two thirds of the field, else after its last whole word
//   followed by "…".
// - Characters Windows-1252 lacks become their base letter ("ō" -> "o"),
//   Unicode spaces a plain or no-break space; the others are left out.
//   Whitespace runs in one-line fields become one space; fields are trimmed.
FittedFilm FitFilm(const Film &film);
