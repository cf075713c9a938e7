#pragma once

#include "card/CardRecord.h"

#include <QString>

// The list's line for a film: "<titre> (<année>) — <réalisateur>", the
// year and director when known, as the card will store them.
QString FilmLine(const CardRecord &fitted);
// Every field as the card will store it, one line each, for the preview.
QString FilmPreview(const CardRecord &fitted);
