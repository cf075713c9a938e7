// The viewer for a card with a 3000 x 4500 JPEG poster against a bare Qt
// window holding the same JPEG: time to the first paint and peak resident
// memory, each program run as a process of its own.
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

void Require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "bench_viewer: %s failed\n", what);
        std::exit(1);
    }
}

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

Ready Run(const QString &program, const QString &argument)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(program, {argument});
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
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("poster.jpg"));
    Require(Poster().save(jpeg, "JPEG"), "writing the poster");
    const QString card = dir.filePath(QStringLiteral("poster.fsc"));
    {
        QFile poster(jpeg);
        QFile out(card);
        Require(poster.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly), "opening the card");
        CardRecord record;
        record.set(CardRecord::Titre, QStringLiteral("Metropolis"));
        out.write(MakeMarker().Signature + record.bytes() + kSeparator + poster.readAll());
    }

    std::vector<double> viewerMicros, bareMicros, viewerKb, bareKb;
    for (int i = 0; i < kRuns; ++i) {
        const Ready viewer = Run(QStringLiteral(FICHOSCOPE_VIEWER_READY), card);
        const Ready bare = Run(QStringLiteral(FICHOSCOPE_BARE_WINDOW), jpeg);
        viewerMicros.push_back(viewer.micros);
        bareMicros.push_back(bare.micros);
        viewerKb.push_back(viewer.peakKb);
        bareKb.push_back(bare.peakKb);
    }
    PrintFigure("viewer-ready-ms", Median(viewerMicros) / 1000.0);
    PrintFigure("bare-ready-ms", Median(bareMicros) / 1000.0);
    PrintFigure("viewer-ready-vs-bare", Median(viewerMicros) / Median(bareMicros));
    PrintFigure("viewer-peak-rss-mb", Median(viewerKb) / 1024.0);
    PrintFigure("bare-peak-rss-mb", Median(bareKb) / 1024.0);
    PrintFigure("viewer-peak-rss-vs-bare", Median(viewerKb) / Median(bareKb));
    return 0;
}
