// A card to PDF against a bare QPdfWriter drawing the same texts and the
// same poster decoded at the same size; the 10,000-card list to PDF, its
// pace from the first pages to the last and its peak memory, measured in a
// process of its own.
#include "BenchSupport.h"

#include "card/CardWriter.h"
#include "platform/Fonts.h"
#include "print/PageMeasures.h"
#include "print/PrintJobs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

constexpr int kRuns = 9;
constexpr int kListCards = 10000;

QByteArray Jpeg(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Require(image.save(&buffer, "JPEG", 90), "encoding a poster");
    return bytes;
}

CardRecord Record(const QString &title)
{
    CardRecord record;
    record.set(CardRecord::Titre, title);
    record.set(CardRecord::Annee, QStringLiteral("1927"));
    record.set(CardRecord::DureeH, QStringLiteral(" 2"));
    record.set(CardRecord::DureeMin, QStringLiteral("33"));
    record.set(CardRecord::Type, QStringLiteral("Science-fiction"));
    record.set(CardRecord::Realisateur, QStringLiteral("Fritz Lang"));
    record.set(CardRecord::Acteurs, QStringLiteral("Brigitte Helm|Alfred Abel|Gustav Fröhlich|"));
    record.set(CardRecord::Resume, QStringLiteral("En 2026, la ville haute vit des ouvriers de la ville basse.\r\n"
                                                  "Freder, fils du maître de la ville, suit Maria chez eux."));
    return record;
}

// The floor: the same lines drawn straight, the poster decoded at the size
// the card page gives it (9 cm at 300 dots an inch).
void BarePdf(const QString &path, const QByteArray &poster)
{
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "opening the bare PDF");
    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(PageLayoutFor(QLocale(QLocale::French, QLocale::France)));
    QPainter painter(&writer);
    painter.setFont(BoldSansSerif(kCardTitlePoints));
    painter.drawText(QPointF(0, 100), QStringLiteral("Metropolis"));
    painter.setFont(SansSerif(kCardTextPoints));
    const QStringList lines{QStringLiteral("Année : 1927"), QStringLiteral("Durée : 2h33"),
                            QStringLiteral("Type : Science-fiction"), QStringLiteral("Réalisateur : Fritz Lang"),
                            QStringLiteral("Acteurs : Brigitte Helm, Alfred Abel, Gustav Fröhlich"),
                            QStringLiteral("Résumé :")};
    int y = 250;
    for (const QString &line : lines)
        painter.drawText(QPointF(0, y += 50), line);
    painter.drawText(QRectF(0, y + 20, 1000, 400), Qt::TextWordWrap,
                     QStringLiteral("En 2026, la ville haute vit des ouvriers de la ville basse.\n"
                                    "Freder, fils du maître de la ville, suit Maria chez eux."));
    QBuffer buffer;
    buffer.setData(poster);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setScaledSize(QSize(1063, 1594));
    const QImage image = reader.read();
    Require(!image.isNull(), "decoding the poster");
    painter.drawImage(QRect(1058, 180, 1063, 1594), image);
}

void CardPdf(const QString &path, const QByteArray &poster)
{
    CardJob job({Record(QStringLiteral("Metropolis")), poster});
    const PrintOutcome outcome =
        WritePdf(job, path, PageLayoutFor(QLocale(QLocale::French, QLocale::France)), [](int) { return true; });
    Require(outcome.status.ok() && !outcome.cancelled, "the card's PDF");
}

// In its own process: the list of the folder's cards to PDF. Prints the
// seconds, the time of the last tenth of the pages against the second (the
// first loads the fonts and the decoders), the peak resident memory in MB
// and the number of pages.
int WriteList(const QString &folder)
{
    std::vector<PrintRow> rows;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.fsc")}, QDir::Files, QDir::Name)) {
        const QString path = folder + u'/' + name;
        rows.push_back({path, Record(name)});
    }
    ListJob job(std::move(rows), {QStringLiteral("Collection"), QDate(2026, 12, 7), QStringLiteral("10 000 fiches"), {}});
    QElapsedTimer timer;
    std::vector<qint64> done; // nanoseconds at the end of each page
    timer.start();
    const PrintOutcome outcome = WritePdf(job, folder + QStringLiteral("/list.pdf"),
                                          PageLayoutFor(QLocale(QLocale::French, QLocale::France)), [&](int) {
                                              done.push_back(timer.nsecsElapsed());
                                              return true;
                                          });
    Require(outcome.status.ok() && done.size() > 20, "the list's PDF");
    const size_t tenth = done.size() / 10;
    const double second = double(done[2 * tenth - 1] - done[tenth - 1]);
    const double last = double(done.back() - done[done.size() - 1 - tenth]);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.2f %.2f %.1f %zu\n", double(timer.nsecsElapsed()) / 1e9, last / second, usage.ru_maxrss / 1024.0,
                done.size());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--list") == 0)
        return WriteList(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir dir;
    Require(dir.isValid(), "the work folder");
    const QByteArray poster = Jpeg({3000, 4500}, Qt::darkBlue);
    SansSerif(), BoldSansSerif(10); // the carried font loaded before either is timed
    PrintFigure("card-pdf-vs-bare",
                MedianRatio(
                    kRuns, [&] { BarePdf(dir.filePath(QStringLiteral("bare.pdf")), poster); },
                    [&] { CardPdf(dir.filePath(QStringLiteral("card.pdf")), poster); }));

    const QList<QByteArray> posters{Jpeg({300, 450}, Qt::red), Jpeg({300, 450}, Qt::darkGreen),
                                    Jpeg({300, 450}, Qt::blue)};
    for (int i = 0; i < kListCards; ++i) {
        const QString card = dir.filePath(QString::asprintf("film%05d.fsc", i));
        Require(WriteCard(Record(QStringLiteral("Film")), posters[i % posters.size()], card).ok(), "a card");
    }
    QProcess list;
    list.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--list"), dir.path()});
    Require(list.waitForFinished(600000) && list.exitCode() == 0, "the list's process");
    const QList<QByteArray> figures = list.readAllStandardOutput().simplified().split(' ');
    Require(figures.size() == 4, "the list's figures");
    PrintFigure("list-10000-pdf-seconds", figures[0].toDouble());
    PrintFigure("list-10000-pdf-pages", figures[3].toDouble());
    PrintFigure("list-pdf-last-vs-second-tenth", figures[1].toDouble());
    PrintFigure("list-10000-pdf-peak-rss-mb", figures[2].toDouble());
    return 0;
}
