#pragma once

#include <QString>
#include <QUrl>

// Limits of everything fetched from the web: a server cannot make the
// program wait or allocate without bound.
inline constexpr int kOnlineTimeoutMs = 15000;
inline constexpr qint64 kMaxAnswerBytes = qint64(5) << 20;
inline constexpr qint64 kMaxWebPosterBytes = qint64(20) << 20;
// A "Retry-After" of at most this many seconds is waited once.
inline constexpr int kMaxRetryAfterSeconds = 10;
// Requests in flight at once, so that a list of films is detailed a few at a
// time and the services are not flooded.
inline constexpr int kMaxRequestsInFlight = 4;
// Films listed for one search.
inline constexpr int kMaxFilmsFound = 10;

// The base addresses of the services: the real ones, or those the
// FICHOSCOPE_*_URL environment variables give, for tests and mirrors.
struct OnlineEndpoints
{
    QUrl wikidata;
    QUrl wikipedia;
    QUrl commons;
    QUrl tmdb;
    QUrl tmdbImages;

    static OnlineEndpoints fromEnvironment();
};

// What a search needs: where the services are, the TMDb key ("" for
// Wikidata) and how long to wait for an answer.
struct OnlineSettings
{
    OnlineEndpoints endpoints;
    QString tmdbKey;
    int timeoutMs = kOnlineTimeoutMs;

    static OnlineSettings current();
};
