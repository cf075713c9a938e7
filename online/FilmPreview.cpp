#include "online/FilmPreview.h"

#include "card/CardText.h"

namespace {

QString Field(const CardRecord &record, CardRecord::Field field)
{
    return TrimRight(record.text(field));
}

} // namespace

QString FilmLine(const CardRecord &fitted)
{
    QString line = Field(fitted, CardRecord::Titre);
    if (!Field(fitted, CardRecord::Annee).isEmpty())
        line += QStringLiteral(" (%1)").arg(Field(fitted, CardRecord::Annee));
    if (!Field(fitted, CardRecord::Realisateur).isEmpty())
        line += QStringLiteral(" — ") + Field(fitted, CardRecord::Realisateur);
    return line;
}

QString FilmPreview(const CardRecord &fitted)
{
    const QString hours = Field(fitted, CardRecord::DureeH).trimmed();
    const QString duration =
        hours.isEmpty() ? QString() : hours + QStringLiteral(" h ") + Field(fitted, CardRecord::DureeMin);
    return QStringLiteral("Titre : %1\nAnnée : %2\nDurée : %3\nType : %4\nRéalisateur : %5\nActeurs : %6\nRésumé : %7")
        .arg(Field(fitted, CardRecord::Titre), Field(fitted, CardRecord::Annee), duration,
             Field(fitted, CardRecord::Type), Field(fitted, CardRecord::Realisateur),
             SplitActors(fitted.text(CardRecord::Acteurs)).join(QStringLiteral(", ")),
             SummaryForEditor(Field(fitted, CardRecord::Resume)));
}
