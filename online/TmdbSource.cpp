#include "online/TmdbSource.h"

#include "online/ApiUrl.h"
#include "online/TmdbKey.h"

namespace {

const QString kNotTmdb = QStringLiteral("Réponse inattendue de TMDb.");

} // namespace

QByteArray TmdbSource::bearer() const
{
    return IsTmdbApiKey(m_settings.tmdbKey) ? QByteArray() : m_settings.tmdbKey.toUtf8();
}

QUrl TmdbSource::apiUrl(const QStringList &path, QueryItems query) const
{
    if (IsTmdbApiKey(m_settings.tmdbKey))
        query.append({QStringLiteral("api_key"), m_settings.tmdbKey});
    return ApiUrl(m_settings.endpoints.tmdb, QStringList{QStringLiteral("3")} + path, query);
}

QString TmdbSource::failureText(const WebAnswer &answer) const
{
    return answer.status == 401 ? QStringLiteral("Clé TMDb refusée.") : answer.error;
}

void TmdbSource::startSearch(const QString &terms)
{
    const QUrl url = apiUrl({QStringLiteral("search"), QStringLiteral("movie")},
                            {{QStringLiteral("query"), terms}, {QStringLiteral("language"), QStringLiteral("fr-FR")}});
    fetch(url, kMaxAnswerBytes, [this](const WebAnswer &answer) {
        if (!answer.ok())
            return emit failed(failureText(answer));
        const std::optional<QList<TmdbHit>> hits = ParseTmdbSearch(answer.body);
        if (!hits)
            return emit failed(kNotTmdb);
        const QList<TmdbHit> kept = hits->mid(0, kMaxFilmsFound);
        QList<Film> films;
        for (const TmdbHit &hit : kept)
            films.append(hit.film);
        list(films, QList<int>(kept.size(), 1));
        for (int row = 0; row < kept.size(); ++row)
            fetchDetails(row, kept[row].id);
    });
}

void TmdbSource::fetchDetails(int row, qint64 id)
{
    const QUrl url = apiUrl({QStringLiteral("movie"), QString::number(id)},
                            {{QStringLiteral("language"), QStringLiteral("fr-FR")},
                             {QStringLiteral("append_to_response"), QStringLiteral("credits")}});
    fetch(url, kMaxAnswerBytes, [this, row, id](const WebAnswer &answer) {
        const std::optional<TmdbMovie> movie = answer.ok() ? ParseTmdbMovie(answer.body) : std::nullopt;
        if (!movie) {
            addProblem(row, QStringLiteral("Détails non reçus : ") + (answer.ok() ? kNotTmdb : failureText(answer)));
            return partDone(row);
        }
        m_films[row].film = movie->film;
        if (movie->film.summary.isEmpty())
            fetchEnglishOverview(row, id);
        if (!movie->posterPath.isEmpty())
            fetchPoster(
                row,
                ApiUrl(m_settings.endpoints.tmdbImages,
                       {QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("w780"), movie->posterPath.mid(1)}));
        partDone(row);
    });
}

void TmdbSource::fetchEnglishOverview(int row, qint64 id)
{
    addPart(row);
    const QUrl url =
        apiUrl({QStringLiteral("movie"), QString::number(id)}, {{QStringLiteral("language"), QStringLiteral("en-US")}});
    fetch(url, kMaxAnswerBytes, [this, row](const WebAnswer &answer) {
        const std::optional<TmdbMovie> movie = answer.ok() ? ParseTmdbMovie(answer.body) : std::nullopt;
        if (movie)
            m_films[row].film.summary = movie->film.summary;
        else
            addProblem(row, QStringLiteral("Résumé non reçu : ") + (answer.ok() ? kNotTmdb : failureText(answer)));
        partDone(row);
    });
}
