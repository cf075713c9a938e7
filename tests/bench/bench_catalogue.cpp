// The catalogue of 10,000 cards: listing them against the floor of reading
// their text parts in a plain loop, the longest the interface waits while
// thumbnails load and the folder changes, and the memory each card takes.
#include "BenchSupport.h"

#include "card/CardRecord.h"
#include "catalogue/CatalogueFolder.h"
#include "catalogue/CatalogueModel.h"
#include "catalogue/CatalogueWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int kCards = 10000;

QByteArray Poster()
{
    QImage image(200, 300, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return jpeg;
}

QStringList MakeCards(const QString &folder)
{
    const QByteArray poster = Poster();
    QStringList paths;
    for (int i = 0; i < kCards; ++i) {
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Film numéro %1").arg((i * 7919) % kCards));
        record.set(CardRecord::Annee, QString::number(1920 + i % 100));
        record.set(CardRecord::Realisateur, QStringLiteral("Réalisateur %1").arg(i % 300));
        record.set(CardRecord::Acteurs, QStringLiteral("Première Actrice|Second Acteur|"));
        record.set(CardRecord::Resume, QStringLiteral("Un résumé de quelques lignes pour la fiche %1.").arg(i));
        const QString path = QStringLiteral("%1/fiche-%2.fsc").arg(folder).arg(i);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(kCardMarker + record.bytes() + kSeparator + poster) <= 0) {
            std::fprintf(stderr, "bench_catalogue: cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        paths << path;
    }
    return paths;
}

void ReadHeaders(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            total += file.read(kHeaderSize).size();
    }
    if (total != qint64(kHeaderSize) * paths.size())
        std::exit(1);
}

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Runs the event loop for a while, and returns the longest wait between
// two turns, in milliseconds, the wait for the first turn included.
double LongestGapMs(int forMs)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    while (clock.elapsed() < forMs)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return double(longest) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir empty;
    QTemporaryDir dir;
    const QStringList paths = MakeCards(dir.path());

    // Memory first, while no listing has left freed memory for the next to
    // take: a catalogue of nothing, then one of every card with the
    // thumbnails in view loaded.
    CatalogueWindow none(empty.path());
    none.show();
    LongestGapMs(500);
    const long before = ResidentKilobytes();
    // The listing itself is done before the window shows (the figure
    // below); from its first turn on, the window paints, loads the
    // thumbnails in view and starts watching the cards; then the table
    // scrolls while thumbnails load, and a card is copied in.
    auto *full = new CatalogueWindow(dir.path());
    full->show();
    QTimer::singleShot(1000, [&] { full->tblFiches->verticalScrollBar()->setValue(5000); });
    QTimer::singleShot(1200, [&] { QFile::copy(paths.first(), dir.filePath(QStringLiteral("copie.fsc"))); });
    const double gap = LongestGapMs(4000);
    if (full->model->totalCount() != kCards + 1) {
        std::fprintf(stderr, "bench_catalogue: the card copied in was not listed\n");
        return 1;
    }
    const double rssPerCard = double(ResidentKilobytes() - before) / kCards;
    delete full;
    QFile::remove(dir.filePath(QStringLiteral("copie.fsc")));

    const double listVsRead = MedianRatio(9, [&] { ReadHeaders(paths); }, [&] {
        CatalogueModel model;
        model.relistFolders({dir.path()});
        while (model.isListing())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (model.rowCount() != kCards)
            std::exit(1);
    });
    PrintFigure("catalogue-list-vs-read", listVsRead);
    PrintFigure("catalogue-longest-gap-ms", gap);
    PrintFigure("catalogue-rss-per-card", rssPerCard);
    return 0;
}
