#include "import/ImportReport.h"

namespace {

QString Count(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(count > 1 ? many : one));
}

} // namespace

int ImportReport::exitStatus() const
{
    if (status == Status::Unreadable)
        return 2;
    return status == Status::Cancelled || skipped > 0 ? 1 : 0;
}

QStringList FilmLines(const ImportReport &report)
{
    QStringList lines;
    for (const ImportReport::Film &film : report.changed) {
        const QString changes = film.changes.join(QStringLiteral(" ; "));
        lines << (film.skipped ? QStringLiteral("« %1 » ignoré : %2").arg(film.title, changes)
                               : QStringLiteral("%1 : %2").arg(film.file, changes));
    }
    return lines;
}

QString SummaryLine(const ImportReport &report)
{
    if (report.status == ImportReport::Status::Unreadable)
        return report.error;
    const QString counts = QStringList{Count(report.created, "fiche créée", "fiches créées"),
                                       Count(report.withoutPoster, "film sans affiche", "films sans affiche"),
                                       Count(report.cutFields, "champ raccourci", "champs raccourcis"),
                                       Count(report.skipped, "film ignoré", "films ignorés")}
                               .join(QStringLiteral(", "));
    if (report.status == ImportReport::Status::Cancelled)
        return QStringLiteral("Importation arrêtée après %1 sur %2 : %3")
            .arg(Count(report.created + report.skipped, "film", "films"))
            .arg(report.films)
            .arg(counts);
    return counts;
}
