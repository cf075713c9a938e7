#pragma once

#include "film/Film.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// Readers of TMDb's answers, from bytes to typed values; nothing
// (std::nullopt) for an answer that is not the JSON expected.

// One film of /3/search/movie.
struct TmdbHit
{
    qint64 id = 0;
    Film film; // title, original title and year
};

// /3/movie/<id>?append_to_response=credits.
struct TmdbMovie
{
    Film film;
    QString posterPath; // "/xBHv...jpg"; "" for none
};

std::optional<QList<TmdbHit>> ParseTmdbSearch(QByteArrayView json);
std::optional<TmdbMovie> ParseTmdbMovie(QByteArrayView json);
