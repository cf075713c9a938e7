// The viewer for a card with a 3000 x 4500 JPEG poster against bare Qt
// windows holding the same JPEG, decoded whole and decoded at the shown
// size, the latter also with the viewer's captions and buttons and the
// JPEG's bytes kept: time to the first paint and peak resident memory; and
// the full-size window, from the click on the poster, against a bare window
// showing the whole JPEG.
#include "BenchSupport.h"

#include "card/CardRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int kRuns = 7;

struct Ready
{
    double micros = 0;
    double peakKb = 0;
};

// A photograph-like poster: smooth shading under fine noise, so that the
// JPEG weighs what a real one does.
QImage Poster()
{
    QImage image(3000, 4500, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = int(noise >> 27);
            line[x] = qRgb((x / 12 + grain) & 0xFF, (y / 18 + grain) & 0xFF, ((x + y) / 30) & 0xFF);
        }
    }
    return image;
}

Ready Run(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(program, arguments);
    Require(child.waitForFinished(120000) && child.exitCode() == 0, qPrintable(program));
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    Require(figures.size() == 2, "reading a child's figures");
    return {figures[0].toDouble(), figures[1].toDouble()};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--poster") == 0)
        return Poster().save(QString::fromLocal8Bit(argv[2]), "JPEG") ? 0 : 1;
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("poster.jpg"));
    // Made by a process of its own: Linux hands a process's peak memory on
    // to the children it starts, so this one stays small.
    Require(QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--poster"), jpeg}) == 0,
            "writing the poster");
    const QString card = dir.filePath(QStringLiteral("poster.fsc"));
    // The same card without its poster: what the texts alone cost.
    const QString textOnly = dir.filePath(QStringLiteral("texts.fsc"));
    {
        QFile poster(jpeg);
        QFile out(card);
        QFile texts(textOnly);
        Require(poster.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)
                    && texts.open(QIODevice::WriteOnly),
                "opening the cards");
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Metropolis"));
        const QByteArray header = MakeMarker().Signature + record.bytes() + kSeparator;
        out.write(header + poster.readAll());
        texts.write(header);
    }

    // Alternated runs, each program a process of its own.
    enum { Viewer, BareWhole, BareScaled, BareCaptions, Large, BareLarge, Editor, TextOnly, Count };
    const std::pair<const char *, QStringList> runs[Count] = {
        {FICHOSCOPE_VIEWER_READY, {QStringLiteral("viewer"), card}},
        {FICHOSCOPE_BARE_WINDOW, {QStringLiteral("whole"), jpeg}},
        {FICHOSCOPE_BARE_WINDOW, {QStringLiteral("scaled"), jpeg}},
        {FICHOSCOPE_BARE_WINDOW, {QStringLiteral("captions"), jpeg}},
        {FICHOSCOPE_VIEWER_READY, {QStringLiteral("large"), card}},
        {FICHOSCOPE_BARE_WINDOW, {QStringLiteral("large"), jpeg}},
        {FICHOSCOPE_VIEWER_READY, {QStringLiteral("editor"), card}},
        {FICHOSCOPE_VIEWER_READY, {QStringLiteral("viewer"), textOnly}},
    };
    std::vector<double> micros[Count], kb[Count];
    for (int i = 0; i < kRuns; ++i)
        for (int which = 0; which < Count; ++which) {
            const Ready ready = Run(QString::fromLatin1(runs[which].first), runs[which].second);
            micros[which].push_back(ready.micros);
            kb[which].push_back(ready.peakKb);
        }
    const auto ms = [&](int which) { return Median(micros[which]) / 1000.0; };
    const auto mb = [&](int which) { return Median(kb[which]) / 1024.0; };
    PrintFigure("viewer-ready-ms", ms(Viewer));
    PrintFigure("bare-ready-ms", ms(BareWhole));
    PrintFigure("limit-ready-ms", ms(BareScaled));
    PrintFigure("viewer-ready-vs-bare", ms(Viewer) / ms(BareWhole));
    PrintFigure("viewer-ready-vs-limit", ms(Viewer) / ms(BareScaled));
    PrintFigure("viewer-peak-rss-mb", mb(Viewer));
    PrintFigure("bare-peak-rss-mb", mb(BareWhole));
    PrintFigure("limit-peak-rss-mb", mb(BareScaled));
    PrintFigure("viewer-peak-rss-vs-bare", mb(Viewer) / mb(BareWhole));
    PrintFigure("viewer-peak-rss-vs-limit", mb(Viewer) / mb(BareScaled));
    PrintFigure("captions-ready-ms", ms(BareCaptions));
    PrintFigure("captions-peak-rss-mb", mb(BareCaptions));
    PrintFigure("viewer-ready-vs-captions", ms(Viewer) / ms(BareCaptions));
    PrintFigure("viewer-peak-rss-vs-captions", mb(Viewer) / mb(BareCaptions));
    PrintFigure("text-only-peak-rss-mb", mb(TextOnly));
    PrintFigure("editor-peak-rss-mb", mb(Editor));
    PrintFigure("fullsize-ready-ms", ms(Large));
    PrintFigure("bare-fullsize-ready-ms", ms(BareLarge));
    PrintFigure("fullsize-ready-vs-bare", ms(Large) / ms(BareLarge));
    return 0;
}
