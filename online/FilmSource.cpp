#include "online/FilmSource.h"

#include "online/TmdbSource.h"
#include "online/WikidataSource.h"

FilmSource::FilmSource(const OnlineSettings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_fetcher(settings.timeoutMs)
{
}

void FilmSource::search(const QString &terms)
{
    cancel();
    startSearch(terms);
}

void FilmSource::cancel()
{
    m_fetcher.cancelAll();
    m_films.clear();
    m_partsLeft.clear();
}

void FilmSource::fetch(const QUrl &url, qint64 maxBytes, WebFetcher::Done done)
{
    m_fetcher.get(url, maxBytes, std::move(done), bearer());
}

void FilmSource::list(const QList<Film> &films, const QList<int> &parts)
{
    m_films.clear();
    for (const Film &film : films) {
        FoundFilm found;
        found.film = film;
        m_films.append(found);
    }
    m_partsLeft = parts;
    emit listed();
    for (int row = 0; row < m_films.size(); ++row) {
        if (m_partsLeft.value(row) == 0) {
            m_films[row].detailed = true;
            emit filmChanged(row);
        }
    }
}

void FilmSource::fetchPoster(int row, const QUrl &url)
{
    addPart(row);
    fetch(url, kMaxWebPosterBytes, [this, row](const WebAnswer &answer) {
        if (answer.ok())
            m_films[row].poster = answer.body;
        else
            addProblem(row, QStringLiteral("Affiche non reçue : ") + answer.error);
        partDone(row);
    });
}

void FilmSource::addProblem(int row, const QString &problem)
{
    QString &problems = m_films[row].problem;
    problems += (problems.isEmpty() ? QString() : QStringLiteral(" ")) + problem;
}

void FilmSource::partDone(int row)
{
    if (--m_partsLeft[row] == 0)
        m_films[row].detailed = true;
    emit filmChanged(row);
}

std::unique_ptr<FilmSource> MakeFilmSource(const OnlineSettings &settings, QObject *parent)
{
    if (!settings.tmdbKey.isEmpty())
        return std::make_unique<TmdbSource>(settings, parent);
    return std::make_unique<WikidataSource>(settings, parent);
}
