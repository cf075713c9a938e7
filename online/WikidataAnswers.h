#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Readers of the answers of Wikidata and Wikipedia, from bytes to typed
// values. Each gives nothing (std::nullopt) for an answer that is not the
// JSON expected, and skips what it cannot read within an answer that is.

// A film as Wikidata's entity describes it: people and genres by their ids.
struct WikidataFilm
{
    QString id;              // "Q2262932"
    QString title;           // the French label, else the title (P1476), else the English label
    QString originalTitle;   // the title (P1476)
    int year = 0;            // the earliest publication date (P577)
    int minutes = 0;         // the duration (P2047)
    QStringList genreIds;    // P136
    QStringList directorIds; // P57
    QStringList castIds;     // P161, in the entity's order
    QString posterFile;      // the film poster on Commons (P3383)
    QString frwikiTitle;     // the French Wikipedia article
};

// action=query&list=search: the ids found, in the order found.
std::optional<QStringList> ParseWikidataSearch(QByteArrayView json);
// action=wbgetentities: the films, in the order of `ids`; an entity the
// answer names under another id (a redirect) comes after them.
std::optional<QList<WikidataFilm>> ParseWikidataFilms(QByteArrayView json, const QStringList &ids);
// action=wbgetentities&props=labels: id -> French label, else English.
std::optional<QHash<QString, QString>> ParseWikidataLabels(QByteArrayView json);
// Wikipedia's page/summary: its plain-text extract.
std::optional<QString> ParseWikipediaSummary(QByteArrayView json);
