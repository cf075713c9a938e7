#include "import/ImportRun.h"

#include "card/CardText.h"
#include "card/CardWriter.h"
#include "film/FitFilm.h"
#include "film/PosterFit.h"
#include "import/CappedDevice.h"
#include "import/CardFileName.h"
#include "import/CollectionSource.h"
#include "import/CsvCollection.h"
#include "import/ImportLimits.h"
#include "import/XmlCollection.h"

#include <QDir>

#include <vector>

namespace {

// A film read and fitted, waiting for its card: the fitted record only, so
// that a large collection stays small in memory until it is written.
struct PendingCard
{
    FittedFilm fitted;
    QString poster;
};

QString ReadCollection(CollectionSource &source, std::vector<PendingCard> &cards)
{
    if (const QString error = source.open(); !error.isEmpty())
        return error;
    const FilmSink keep = [&](ImportedFilm &&film) { cards.push_back({FitFilm(film.film), std::move(film.poster)}); };
    if (source.kind() == CollectionSource::Csv) {
        const std::optional<QByteArray> bytes = ReadAtMost(source.document(), kMaxArchiveEntryBytes);
        if (!bytes)
            return QStringLiteral("Fichier refusé : il dépasse %1 Mo").arg(kMaxArchiveEntryBytes >> 20);
        return ReadCsvCollection(*bytes, keep);
    }
    const QString error = ReadXmlCollection(source.document(), keep, [&](const QString &id, QByteArray &&bytes) {
        source.keepImage(id, std::move(bytes));
    });
    if (source.documentTooLarge())
        return QStringLiteral("Fichier refusé : il dépasse %1 Mo une fois décompressé")
            .arg(kMaxArchiveEntryBytes >> 20);
    return error;
}

class CardWriting
{
public:
    CardWriting(CollectionSource &source, const QString &folder, ImportReport &report)
        : m_source(source)
        , m_folder(folder)
        , m_report(report)
    {
    }

    // Writes the card; returns its path, empty when the film is skipped.
    QString write(PendingCard &card)
    {
        const CardRecord &record = card.fitted.record;
        ImportReport::Film film{TrimRight(record.text(CardRecord::Titre)), {}, card.fitted.changes, false};
        QByteArray poster;
        if (!card.poster.isEmpty()) {
            const PosterBytes found = m_source.poster(card.poster);
            const FittedPoster fitted = found.problem.isEmpty() ? FitPoster(found.bytes) : FittedPoster{};
            if (!found.problem.isEmpty())
                film.changes << QStringLiteral("Sans affiche : %1").arg(found.problem);
            else if (!fitted.ok())
                film.changes << QStringLiteral("Sans affiche : %1").arg(fitted.problem);
            else if (!fitted.change.isEmpty())
                film.changes << fitted.change;
            poster = fitted.bytes;
        }
        QString path;
        if (film.title.isEmpty()) {
            film.changes = QStringList{QStringLiteral("film sans titre")};
        } else {
            film.file = FreeCardFileName(m_folder, film.title, TrimRight(record.text(CardRecord::Annee)), m_taken);
            path = QDir(m_folder).filePath(film.file);
            if (const IoStatus written = WriteCard(record, poster, path); !written.ok()) {
                film.changes = QStringList{written.errorString};
                film.file.clear();
                path.clear();
            }
        }
        film.skipped = path.isEmpty();
        if (film.skipped) {
            film.title = film.title.isEmpty() ? QStringLiteral("Sans titre") : film.title;
            ++m_report.skipped;
        } else {
            ++m_report.created;
            m_report.withoutPoster += poster.isEmpty();
            m_report.cutFields += card.fitted.cutFields;
        }
        if (!film.changes.isEmpty())
            m_report.changed << film;
        return path;
    }

private:
    CollectionSource &m_source;
    QString m_folder;
    ImportReport &m_report;
    QSet<QString> m_taken;
};

} // namespace

ImportReport RunImport(const QString &collectionPath, const QString &folder, ImportProgress &progress)
{
    ImportReport report;
    report.folder = folder;
    CollectionSource source(collectionPath);
    std::vector<PendingCard> cards;
    if (const QString error = ReadCollection(source, cards); !error.isEmpty()) {
        report.status = ImportReport::Status::Unreadable;
        report.error = error;
        return report;
    }
    report.films = int(cards.size());
    if (!QDir().mkpath(folder)) {
        report.status = ImportReport::Status::Unreadable;
        report.error = QStringLiteral("Impossible de créer le dossier « %1 »").arg(QDir::toNativeSeparators(folder));
        return report;
    }
    progress.started(report.films);
    CardWriting writing(source, folder, report);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (progress.cancelled()) {
            report.status = ImportReport::Status::Cancelled;
            break;
        }
        const QString path = writing.write(cards[i]);
        cards[i] = {}; // its record is written: free it
        progress.filmDone(int(i) + 1, path);
    }
    return report;
}
