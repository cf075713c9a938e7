// Feeds arbitrary answers to the readers of the web services' answers: none
// may crash, hang or allocate without bound, and what they give holds
// together.
#include "online/TmdbAnswers.h"
#include "online/WikidataAnswers.h"
#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView answer(data, qsizetype(size));
    if (const auto ids = ParseWikidataSearch(answer)) {
        for (const QString &id : *ids)
            Check(id.startsWith(u'Q') && ids->count(id) == 1);
        if (const auto films = ParseWikidataFilms(answer, *ids)) {
            for (const WikidataFilm &film : *films)
                Check(film.year >= 0 && film.minutes >= 0 && film.minutes < 100000);
        }
    }
    (void)ParseWikidataLabels(answer);
    (void)ParseWikipediaSummary(answer);
    (void)ParseTmdbSearch(answer);
    if (const auto movie = ParseTmdbMovie(answer))
        Check(movie->film.year >= -999 && movie->film.year <= 9999);
    return 0;
}
