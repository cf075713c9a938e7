#include "online/TmdbAnswers.h"

#include "online/JsonAnswer.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace {

QString Text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

// "1942-11-26" -> 1942.
int Year(const QJsonObject &movie)
{
    return Text(movie, "release_date").left(4).toInt();
}

void ReadTitles(const QJsonObject &movie, Film &film)
{
    film.title = Text(movie, "title");
    film.originalTitle = Text(movie, "original_title");
    film.year = Year(movie);
}

// The names of a JSON array of people, or of a list of them.
template <typename People> QStringList Names(const People &people)
{
    QStringList names;
    for (const QJsonValue &person : people) {
        const QString name = Text(person.toObject(), "name");
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// credits.cast in billing order ("order"), those without one last.
QStringList Cast(const QJsonArray &cast)
{
    QList<QJsonValue> people(cast.begin(), cast.end());
    const auto order = [](const QJsonValue &person) {
        const QJsonValue value = person.toObject().value(QLatin1String("order"));
        return value.isDouble() ? value.toDouble() : 1e300;
    };
    std::stable_sort(people.begin(), people.end(),
                     [&order](const QJsonValue &a, const QJsonValue &b) { return order(a) < order(b); });
    return Names(people);
}

QStringList Directors(const QJsonArray &crew)
{
    QJsonArray directors;
    for (const QJsonValue &person : crew) {
        if (Text(person.toObject(), "job") == QLatin1String("Director"))
            directors.append(person);
    }
    return Names(directors);
}

} // namespace

std::optional<QList<TmdbHit>> ParseTmdbSearch(QByteArrayView json)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    const QJsonValue results = answer ? answer->value(QLatin1String("results")) : QJsonValue();
    if (!results.isArray())
        return std::nullopt;
    QList<TmdbHit> hits;
    for (const QJsonValue &result : results.toArray()) {
        const QJsonObject movie = result.toObject();
        const QJsonValue id = movie.value(QLatin1String("id"));
        if (!id.isDouble())
            continue;
        TmdbHit hit;
        hit.id = id.toInteger(-1);
        if (hit.id < 0)
            continue;
        ReadTitles(movie, hit.film);
        hits.append(hit);
    }
    return hits;
}

std::optional<TmdbMovie> ParseTmdbMovie(QByteArrayView json)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    if (!answer || !answer->value(QLatin1String("id")).isDouble())
        return std::nullopt;
    TmdbMovie movie;
    ReadTitles(*answer, movie.film);
    movie.film.minutes = answer->value(QLatin1String("runtime")).toInt();
    movie.film.genres = Names(answer->value(QLatin1String("genres")).toArray());
    const QJsonObject credits = answer->value(QLatin1String("credits")).toObject();
    movie.film.directors = Directors(credits.value(QLatin1String("crew")).toArray());
    movie.film.cast = Cast(credits.value(QLatin1String("cast")).toArray());
    movie.film.summary = Text(*answer, "overview");
    movie.posterPath = Text(*answer, "poster_path");
    return movie;
}
