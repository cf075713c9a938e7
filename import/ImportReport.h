#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What an import did, film by film, for the window and the command line.
struct ImportReport
{
    enum class Status { Done, Cancelled, Unreadable };

    // A film the import changed or skipped, with what happened to it.
    struct Film
    {
        QString title;
        QString file; // the card's file name; empty when skipped
        QStringList changes;
        bool skipped = false;
    };

    Status status = Status::Done;
    QString error;  // French, for Unreadable
    QString folder; // where the cards went
    int films = 0;  // films the collection holds
    int created = 0;
    int withoutPoster = 0;
    int cutFields = 0;
    int skipped = 0;
    QList<Film> changed;

    // 0 when every film became a card, 1 when some were skipped (or the
    // import stopped before the end), 2 when the collection could not be read.
    int exitStatus() const;
};

// One line per film changed or skipped: "Alien (1979).fsc : Résumé
// raccourci ; ..." or "« Sans nom » ignoré : ...".
QStringList FilmLines(const ImportReport &report);
// "12 fiches créées, 2 films sans affiche, 3 champs raccourcis, 1 film
// ignoré", after where an import stopped or why nothing was read.
QString SummaryLine(const ImportReport &report);
