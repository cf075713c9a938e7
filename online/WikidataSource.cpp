#include "online/WikidataSource.h"

#include "online/ApiUrl.h"

namespace {

const QString kNotWikidata = QStringLiteral("Réponse inattendue de Wikidata.");
// wbgetentities takes at most 50 ids a call.
constexpr int kIdsPerCall = 50;
// Only the first genre and the first ten actors reach the card.
constexpr int kGenresNamed = 3;
constexpr int kCastNamed = 10;

QStringList Named(const QStringList &ids, const QHash<QString, QString> &labels)
{
    QStringList names;
    for (const QString &id : ids) {
        if (labels.contains(id))
            names.append(labels.value(id));
    }
    return names;
}

} // namespace

QUrl WikidataSource::apiUrl(const QueryItems &query) const
{
    return ApiUrl(m_settings.endpoints.wikidata, {QStringLiteral("w"), QStringLiteral("api.php")},
                  query + QueryItems{{QStringLiteral("format"), QStringLiteral("json")}});
}

void WikidataSource::startSearch(const QString &terms)
{
    m_found.clear();
    m_labels.clear();
    const QUrl url = apiUrl({{QStringLiteral("action"), QStringLiteral("query")},
                             {QStringLiteral("list"), QStringLiteral("search")},
                             {QStringLiteral("srsearch"), terms + QStringLiteral(" haswbstatement:P31=Q11424")},
                             {QStringLiteral("srlimit"), QString::number(kMaxFilmsFound)}});
    fetch(url, kMaxAnswerBytes, [this](const WebAnswer &answer) {
        if (!answer.ok())
            return emit failed(answer.error);
        const std::optional<QStringList> ids = ParseWikidataSearch(answer.body);
        if (!ids)
            return emit failed(kNotWikidata);
        if (ids->isEmpty())
            return list({}, {});
        fetchFilms(ids->mid(0, kMaxFilmsFound));
    });
}

void WikidataSource::fetchFilms(const QStringList &ids)
{
    const QUrl url = apiUrl({{QStringLiteral("action"), QStringLiteral("wbgetentities")},
                             {QStringLiteral("ids"), ids.join(u'|')},
                             {QStringLiteral("props"), QStringLiteral("labels|claims|sitelinks")},
                             {QStringLiteral("languages"), QStringLiteral("fr|en")}});
    fetch(url, kMaxAnswerBytes, [this, ids](const WebAnswer &answer) {
        if (!answer.ok())
            return emit failed(answer.error);
        const std::optional<QList<WikidataFilm>> found = ParseWikidataFilms(answer.body, ids);
        if (!found)
            return emit failed(kNotWikidata);
        m_found = found->mid(0, kMaxFilmsFound);
        QList<Film> films;
        for (const WikidataFilm &found : std::as_const(m_found)) {
            Film film;
            film.title = found.title;
            film.originalTitle = found.originalTitle;
            film.year = found.year;
            film.minutes = found.minutes;
            films.append(film);
        }
        // Every film waits for the names of its people.
        list(films, QList<int>(films.size(), 1));
        fetchLabels();
        for (int row = 0; row < m_found.size(); ++row) {
            fetchSummary(row);
            if (!m_found[row].posterFile.isEmpty())
                fetchPoster(
                    row,
                    ApiUrl(m_settings.endpoints.commons,
                           {QStringLiteral("wiki"), QStringLiteral("Special:FilePath"), m_found[row].posterFile},
                           {{QStringLiteral("width"), QStringLiteral("780")}}));
        }
    });
}

void WikidataSource::fetchLabels()
{
    QStringList ids;
    for (const WikidataFilm &film : std::as_const(m_found)) {
        for (const QString &id :
             film.genreIds.mid(0, kGenresNamed) + film.directorIds + film.castIds.mid(0, kCastNamed)) {
            if (!ids.contains(id))
                ids.append(id);
        }
    }
    m_labelCallsLeft = int((ids.size() + kIdsPerCall - 1) / kIdsPerCall);
    if (m_labelCallsLeft == 0)
        return nameEveryone();
    for (qsizetype first = 0; first < ids.size(); first += kIdsPerCall) {
        const QUrl url = apiUrl({{QStringLiteral("action"), QStringLiteral("wbgetentities")},
                                 {QStringLiteral("ids"), ids.mid(first, kIdsPerCall).join(u'|')},
                                 {QStringLiteral("props"), QStringLiteral("labels")},
                                 {QStringLiteral("languages"), QStringLiteral("fr|en")}});
        fetch(url, kMaxAnswerBytes, [this](const WebAnswer &answer) {
            const std::optional<QHash<QString, QString>> labels =
                answer.ok() ? ParseWikidataLabels(answer.body) : std::nullopt;
            if (labels)
                m_labels.insert(*labels);
            else
                for (int row = 0; row < m_films.size(); ++row)
                    addProblem(row, QStringLiteral("Noms non reçus : ") + (answer.ok() ? kNotWikidata : answer.error));
            if (--m_labelCallsLeft == 0)
                nameEveryone();
        });
    }
}

void WikidataSource::nameEveryone()
{
    for (int row = 0; row < m_found.size(); ++row) {
        Film &film = m_films[row].film;
        film.genres = Named(m_found[row].genreIds, m_labels);
        film.directors = Named(m_found[row].directorIds, m_labels);
        film.cast = Named(m_found[row].castIds, m_labels);
        partDone(row);
    }
}

void WikidataSource::fetchSummary(int row)
{
    const QString article = m_found[row].frwikiTitle;
    if (article.isEmpty())
        return;
    addPart(row);
    const QUrl url = ApiUrl(m_settings.endpoints.wikipedia,
                            {QStringLiteral("api"), QStringLiteral("rest_v1"), QStringLiteral("page"),
                             QStringLiteral("summary"), QString(article).replace(u' ', u'_')});
    fetch(url, kMaxAnswerBytes, [this, row](const WebAnswer &answer) {
        const std::optional<QString> summary = answer.ok() ? ParseWikipediaSummary(answer.body) : std::nullopt;
        if (summary)
            m_films[row].film.summary = *summary;
        else
            addProblem(row,
                       QStringLiteral("Résumé non reçu : ")
                           + (answer.ok() ? QStringLiteral("réponse inattendue de Wikipédia.") : answer.error));
        partDone(row);
    });
}
