#pragma once

#include "film/Film.h"
#include "online/OnlineEndpoints.h"
#include "online/WebFetcher.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// A film found online, as far as it is known.
struct FoundFilm
{
    Film film;             // title and year first, the rest with the details
    bool detailed = false; // every part of the details came or failed
    QByteArray poster;     // the poster's bytes as served; empty for none
    QString problem;       // French: the parts that failed (summary, poster...)
};

// One online source: finds films by title, then fetches the details of
// those found, a few at a time, telling as each one comes.
class FilmSource : public QObject
{
    Q_OBJECT
public:
    FilmSource(const OnlineSettings &settings, QObject *parent);

    // Drops the search under way, if any, and starts this one.
    void search(const QString &terms);
    // Drops the search under way: no signal comes from it any more.
    void cancel();
    const QList<FoundFilm> &films() const { return m_films; }

signals:
    void listed();             // films() holds what was found, maybe nothing
    void filmChanged(int row); // more of that film is known
    void failed(const QString &message);

protected:
    virtual void startSearch(const QString &terms) = 0;
    virtual QByteArray bearer() const { return {}; }

    void fetch(const QUrl &url, qint64 maxBytes, WebFetcher::Done done);
    // Lists the films, each waiting for that many parts of its details.
    void list(const QList<Film> &films, const QList<int> &parts);
    // One more part of the film's details is awaited.
    void addPart(int row) { ++m_partsLeft[row]; }
    void fetchPoster(int row, const QUrl &url);
    void addProblem(int row, const QString &problem);
    // One part of the film's details came (or failed).
    void partDone(int row);

    const OnlineSettings m_settings;
    QList<FoundFilm> m_films;

private:
    WebFetcher m_fetcher;
    QList<int> m_partsLeft;
};

// TMDb when there is a key, otherwise Wikidata and French Wikipedia.
std::unique_ptr<FilmSource> MakeFilmSource(const OnlineSettings &settings, QObject *parent = nullptr);
