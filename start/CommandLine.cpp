#include "start/CommandLine.h"

#include "import/ImportRun.h"

#include <QTextStream>

#include <cstdio>

namespace {

const QString kImport = QStringLiteral("--import");
const QString kHelp = QStringLiteral("--help");

const char kUsage[] = "Utilisation :\n"
                      "  fichoscope                           ouvre l'éditeur de fiches\n"
                      "  fichoscope FICHE.fsc                 montre la fiche\n"
                      "  fichoscope DOSSIER                   montre le catalogue des fiches du dossier\n"
                      "  fichoscope --import FICHIER DOSSIER  écrit une fiche par film de la collection\n"
                      "                                       (Tellico, GCstar, Ant Movie Catalog, CSV) dans DOSSIER\n"
                      "  fichoscope --help                    affiche cette aide\n";

} // namespace

bool IsWindowlessCommand(const QStringList &arguments)
{
    return !arguments.isEmpty() && (arguments.first() == kImport || arguments.first() == kHelp);
}

int RunWindowlessCommand(const QStringList &arguments)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.first() == kHelp) {
        out << QString::fromUtf8(kUsage);
        return 0;
    }
    if (arguments.size() != 3) {
        err << QString::fromUtf8(kUsage);
        return 2;
    }
    ImportProgress progress;
    const ImportReport report = RunImport(arguments.at(1), arguments.at(2), progress);
    if (report.status == ImportReport::Status::Unreadable) {
        err << report.error << '\n';
        return report.exitStatus();
    }
    for (const QString &line : FilmLines(report))
        out << line << '\n';
    out << SummaryLine(report) << '\n';
    return report.exitStatus();
}
