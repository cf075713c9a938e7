#include "viewer/ViewerText.h"

#include "card/CardText.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The absolute path of the file of this path, its name compared without
// regard to case as on the platform the cards come from; the exact name
// first.
QString FileNamedInAnyCase(const QString &path)
{
    const QFileInfo wanted(path);
    if (wanted.isFile())
        return wanted.absoluteFilePath();
    const QFileInfoList files = wanted.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &file : files)
        if (file.fileName().compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return file.absoluteFilePath();
    return {};
}

} // namespace

ViewerCaptions FillViewerLabels(const CardRecord &card)
{
    using F = CardRecord::Field;
    ViewerCaptions captions;
    captions.annee = TrimRight(QStringLiteral("Année : ") + card.text(F::Annee));
    captions.duree = TrimRight(QStringLiteral("Durée : ") + card.text(F::DureeH) + u'h' + card.text(F::DureeMin));
    captions.acteurs = TrimRight(ActorsForViewer(card.text(F::Acteurs)));
    captions.resume = TrimRight(card.text(F::Resume));
    captions.realisateur = TrimRight(card.text(F::Realisateur));
    captions.type = TrimRight(card.text(F::Type));
    captions.titre = TrimRight(card.text(F::Titre));
    return captions;
}

QString ActorsForViewer(const QString &storedActors)
{
    QString actors = TrimRight(storedActors);
    if (actors.isEmpty())
        return actors;
    actors.chop(1); // the "|" after the last actor
    actors.replace(u'|', u'\r');
    return TrimRight(actors);
}

QString FindVideoFile(const QString &cardPath)
{
    // The last dot of the whole path, even one in a folder name.
    const QString base = cardPath.left(cardPath.lastIndexOf(u'.') + 1);
    for (const char *extension : {"avi", "divx"}) {
        const QString video = FileNamedInAnyCase(base + QLatin1String(extension));
        if (!video.isEmpty())
            return video;
    }
    return {};
}
