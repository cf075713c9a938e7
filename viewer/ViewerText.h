#pragma once

#include "card/CardRecord.h"

#include <QString>

// The viewer's texts, worked out from the card apart from the window.

// The seven captions that receive the card's texts, each with its trailing
// spaces removed. Line breaks are carriage returns as in the card.
struct ViewerCaptions
{
    QString annee;
    QString duree;
    QString acteurs;
    QString resume;
    QString realisateur;
    QString type;
    QString titre;

    friend bool operator==(const ViewerCaptions &, const ViewerCaptions &) = default;
};

ViewerCaptions FillViewerLabels(const CardRecord &card);

// "Anne|Paul|" -> "Anne\rPaul": one actor per line.
QString ActorsForViewer(const QString &storedActors);

// The video beside the card: its path with the extension replaced by "avi",
// or else by "divx", the name in any case; as an absolute path, or an empty
// text when neither exists.
QString FindVideoFile(const QString &cardPath);
