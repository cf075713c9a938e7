// The catalogue: its window on screen against a bare Qt window with an empty
// table, and its first rows after; the whole listing of 10,000 cards
// against reading their text parts in a plain loop, with the files' pages
// in the cache and dropped from it; with 100,000 cards, the longest wait of
// the interface and the memory per card; one field written into 1,000
// cards against rewriting their text parts alone.
#include "BenchSupport.h"
#include "CatalogueCards.h"

#include "card/CardWriter.h"
#include "catalogue/CardCorrection.h"
#include "catalogue/CatalogueModel.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kCards = 10000;
constexpr int kManyCards = 100000;
constexpr int kCorrected = 1000;
constexpr int kRuns = 7;

void ReadHeaders(const QStringList &paths)
{
    qint64 total = 0;
    for (const QString &path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            total += file.read(kHeaderSize).size();
    }
    Require(total == qint64(kHeaderSize) * paths.size(), "reading the headers");
}

void ListThroughModel(const QString &folder, int cards)
{
    CatalogueModel model;
    model.relistFolders({folder});
    while (model.isListing())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Require(model.rowCount() == cards, "listing");
}

// Drops the files' pages from the cache, as after a restart.
void DropPages(const QStringList &paths)
{
    for (const QString &path : paths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd >= 0) {
            ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
        }
    }
}

double Micros(const std::function<void()> &work)
{
    return MedianMicros(1, work);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A child's time from its start to its first line ("painted"), measured
// from here, and its further lines.
struct Child
{
    double micros = 0;
    QList<QByteArray> lines;
};

Child Run(const char *program, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    child.start(QString::fromLatin1(program), arguments);
    while (!child.canReadLine())
        Require(child.waitForReadyRead(600000), program);
    Child result;
    result.micros = double(clock.nsecsElapsed()) / 1000.0;
    Require(child.waitForFinished(600000) && child.exitCode() == 0, program);
    result.lines = (child.readLine() + child.readAll()).trimmed().split('\n');
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList paths = MakeCatalogueCards(dir.path(), kCards);

    std::vector<double> window, bare, firstRows;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(Run(FICHOSCOPE_BARE_CATALOGUE, {}).micros);
        const Child program = Run(FICHOSCOPE_CATALOGUE_READY, {QStringLiteral("window"), dir.path()});
        window.push_back(program.micros);
        firstRows.push_back(program.lines.value(1).toDouble());
    }
    PrintFigure("catalogue-window-ms", Median(window) / 1000);
    PrintFigure("bare-catalogue-window-ms", Median(bare) / 1000);
    PrintFigure("catalogue-window-vs-bare", Median(window) / Median(bare));
    PrintFigure("catalogue-first-rows-ms", Median(firstRows) / 1000);

    std::vector<double> warm, cold;
    for (int i = 0; i < kRuns; ++i) {
        const double floor = Micros([&] { ReadHeaders(paths); });
        warm.push_back(Micros([&] { ListThroughModel(dir.path(), kCards); }) / floor);
    }
    for (int i = 0; i < kRuns; ++i) {
        DropPages(paths);
        const double floor = Micros([&] { ReadHeaders(paths); });
        DropPages(paths);
        cold.push_back(Micros([&] { ListThroughModel(dir.path(), kCards); }) / floor);
    }
    PrintFigure("catalogue-list-vs-read-warm", Median(warm));
    PrintFigure("catalogue-list-vs-read-cold", Median(cold));

    // The cards are read again before each run: a card whose date changed
    // since it was read is left alone.
    const QStringList corrected = paths.mid(0, kCorrected);
    const auto listed = [&] {
        std::vector<CatalogueCard> cards;
        for (const QString &path : corrected)
            cards.push_back(ReadCatalogueCard(path));
        return cards;
    };
    std::vector<double> correction;
    for (int i = 0; i < kRuns; ++i) {
        std::vector<CatalogueCard> cards = listed();
        std::vector<CardRecord> records;
        for (const CatalogueCard &card : cards) {
            records.push_back(card.record());
            records.back().set(CardRecord::Type, QStringLiteral("Western"));
        }
        const double floor = Micros([&] {
            for (int c = 0; c < kCorrected; ++c)
                Require(WriteCardHeader(corrected[c], records[c]).ok(), "rewriting a header");
        });
        cards = listed();
        correction.push_back(Micros([&] {
            Require(CorrectCards(cards, {{CardRecord::Type, QStringLiteral("Policier")}}).isEmpty(), "correcting");
        }) / floor);
    }
    PrintFigure("catalogue-correct-vs-rewrite", Median(correction));

    // A process of its own, so that its memory is its catalogue's alone.
    QTemporaryDir many;
    QTemporaryDir empty;
    MakeCatalogueCards(many.path(), kManyCards);
    const Child use = Run(FICHOSCOPE_CATALOGUE_READY, {QStringLiteral("use"), many.path(), empty.path()});
    const QList<QByteArray> figures = use.lines.value(0).split(' ');
    Require(figures.size() == 2, "reading the use figures");
    PrintFigure("catalogue-100k-longest-gap-ms", figures[0].toDouble());
    PrintFigure("catalogue-100k-kb-per-card", figures[1].toDouble());
    return 0;
}
