#include "online/WikidataAnswers.h"

#include "online/JsonAnswer.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Wikidata's units of time, by item.
constexpr char kMinute[] = "http://www.wikidata.org/entity/Q7727";
constexpr char kHour[] = "http://www.wikidata.org/entity/Q25235";
constexpr char kSecond[] = "http://www.wikidata.org/entity/Q11574";

QJsonArray Claims(const QJsonObject &entity, const char *property)
{
    return entity.value(QLatin1String("claims")).toObject().value(QLatin1String(property)).toArray();
}

QJsonValue MainValue(const QJsonValue &claim)
{
    return claim.toObject()
        .value(QLatin1String("mainsnak"))
        .toObject()
        .value(QLatin1String("datavalue"))
        .toObject()
        .value(QLatin1String("value"));
}

QStringList ItemIds(const QJsonObject &entity, const char *property)
{
    QStringList ids;
    for (const QJsonValue &claim : Claims(entity, property)) {
        const QString id = MainValue(claim).toObject().value(QLatin1String("id")).toString();
        if (!id.isEmpty() && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

QString Label(const QJsonObject &entity, const char *language)
{
    return entity.value(QLatin1String("labels"))
        .toObject()
        .value(QLatin1String(language))
        .toObject()
        .value(QLatin1String("value"))
        .toString();
}

// "+1942-11-26T00:00:00Z" -> 1942; a year before 1 or unreadable -> 0.
int EarliestYear(const QJsonObject &entity)
{
    int earliest = 0;
    for (const QJsonValue &claim : Claims(entity, "P577")) {
        const QString time = MainValue(claim).toObject().value(QLatin1String("time")).toString();
        const int year = time.startsWith(u'+') ? time.mid(1, time.indexOf(u'-', 1) - 1).toInt() : 0;
        if (year > 0 && (earliest == 0 || year < earliest))
            earliest = year;
    }
    return earliest;
}

int Minutes(const QJsonObject &entity)
{
    for (const QJsonValue &claim : Claims(entity, "P2047")) {
        const QJsonObject quantity = MainValue(claim).toObject();
        const double amount = quantity.value(QLatin1String("amount")).toString().toDouble();
        const QString unit = quantity.value(QLatin1String("unit")).toString();
        const double minutes = unit == QLatin1String(kMinute) ? amount
            : unit == QLatin1String(kHour)                    ? amount * 60
            : unit == QLatin1String(kSecond)                  ? amount / 60
                                                              : 0;
        if (minutes >= 1 && minutes < 100000)
            return int(minutes + 0.5);
    }
    return 0;
}

WikidataFilm ReadFilm(const QString &id, const QJsonObject &entity)
{
    WikidataFilm film;
    film.id = id;
    const QJsonArray titles = Claims(entity, "P1476");
    film.originalTitle =
        titles.isEmpty() ? QString() : MainValue(titles.first()).toObject().value(QLatin1String("text")).toString();
    film.title = Label(entity, "fr");
    if (film.title.isEmpty())
        film.title = !film.originalTitle.isEmpty() ? film.originalTitle : Label(entity, "en");
    film.year = EarliestYear(entity);
    film.minutes = Minutes(entity);
    film.genreIds = ItemIds(entity, "P136");
    film.directorIds = ItemIds(entity, "P57");
    film.castIds = ItemIds(entity, "P161");
    const QJsonArray posters = Claims(entity, "P3383");
    film.posterFile = posters.isEmpty() ? QString() : MainValue(posters.first()).toString();
    film.frwikiTitle = entity.value(QLatin1String("sitelinks"))
                           .toObject()
                           .value(QLatin1String("frwiki"))
                           .toObject()
                           .value(QLatin1String("title"))
                           .toString();
    return film;
}

} // namespace

std::optional<QStringList> ParseWikidataSearch(QByteArrayView json)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    const QJsonValue search =
        answer ? answer->value(QLatin1String("query")).toObject().value(QLatin1String("search")) : QJsonValue();
    if (!search.isArray())
        return std::nullopt;
    QStringList ids;
    for (const QJsonValue &hit : search.toArray()) {
        const QString title = hit.toObject().value(QLatin1String("title")).toString();
        if (title.startsWith(u'Q') && !ids.contains(title))
            ids.append(title);
    }
    return ids;
}

std::optional<QList<WikidataFilm>> ParseWikidataFilms(QByteArrayView json, const QStringList &ids)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    const QJsonValue entities = answer ? answer->value(QLatin1String("entities")) : QJsonValue();
    if (!entities.isObject())
        return std::nullopt;
    const QJsonObject byId = entities.toObject();
    QStringList order = ids;
    for (const QString &id : byId.keys()) {
        if (!order.contains(id))
            order.append(id);
    }
    QList<WikidataFilm> films;
    for (const QString &id : order) {
        const QJsonObject entity = byId.value(id).toObject();
        // A missing or deleted entity has no claims.
        if (entity.contains(QLatin1String("claims")))
            films.append(ReadFilm(id, entity));
    }
    return films;
}

std::optional<QHash<QString, QString>> ParseWikidataLabels(QByteArrayView json)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    const QJsonValue entities = answer ? answer->value(QLatin1String("entities")) : QJsonValue();
    if (!entities.isObject())
        return std::nullopt;
    QHash<QString, QString> labels;
    const QJsonObject byId = entities.toObject();
    for (auto it = byId.begin(); it != byId.end(); ++it) {
        const QJsonObject entity = it.value().toObject();
        QString label = Label(entity, "fr");
        if (label.isEmpty())
            label = Label(entity, "en");
        if (!label.isEmpty())
            labels.insert(it.key(), label);
    }
    return labels;
}

std::optional<QString> ParseWikipediaSummary(QByteArrayView json)
{
    const std::optional<QJsonObject> answer = JsonObject(json);
    const QJsonValue extract = answer ? answer->value(QLatin1String("extract")) : QJsonValue();
    if (!extract.isString())
        return std::nullopt;
    return extract.toString();
}
