// Importing a Tellico archive of films with posters against the floor of
// writing the same cards with WriteCard alone, and the import's peak memory
// per film, each size imported in a process of its own.
#include "BenchSupport.h"

#include "card/CardWriter.h"
#include "import/ImportRun.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <quazip.h>
#include <quazipfile.h>

namespace {

constexpr int kRuns = 3;
constexpr int kFilms = 10000;
constexpr int kFewFilms = 1000;

// A poster as collections hold them: a JPEG of 200 x 300.
QByteArray Poster()
{
    QImage image(200, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y % 256, (x * y) % 256));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    Require(image.save(&buffer, "JPEG", 85), "the poster");
    return jpeg;
}

QString Title(int i)
{
    return QStringLiteral("Film numéro %1").arg(i);
}

void AddEntry(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile entry(&zip);
    Require(entry.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) && entry.write(bytes) == bytes.size(), "the archive");
}

QString MakeArchive(const QString &path, int films, const QByteArray &poster)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tellico xmlns=\"http://periapsis.org/tellico/\" "
                     "syntaxVersion=\"11\">\n <collection title=\"Films\" type=\"3\">\n";
    for (int i = 0; i < films; ++i)
        xml += QStringLiteral("  <entry id=\"%1\"><title>%2</title><year>1950</year><running-time>102</running-time>"
                              "<genres><genre>Drame</genre></genres><directors><director>Jean Renoir</director>"
                              "</directors><casts><cast><column>Jean Gabin</column></cast></casts><plot>Un film "
                              "en noir et blanc, tourné en studio.</plot><cover>%1.jpeg</cover></entry>\n")
                   .arg(i)
                   .arg(Title(i))
                   .toUtf8();
    xml += " </collection>\n</tellico>\n";
    QuaZip zip(path);
    Require(zip.open(QuaZip::mdCreate), "the archive");
    AddEntry(zip, QStringLiteral("tellico.xml"), xml);
    for (int i = 0; i < films; ++i)
        AddEntry(zip, QStringLiteral("images/%1.jpeg").arg(i), poster);
    zip.close();
    return path;
}

// The floor: the same cards, records filled directly, written one by one.
void WriteCards(const QString &folder, const QByteArray &poster)
{
    QDir().mkpath(folder);
    for (int i = 0; i < kFilms; ++i) {
        CardRecord record;
        record.set(CardRecord::Titre, Title(i));
        record.set(CardRecord::Annee, QStringLiteral("1950"));
        record.set(CardRecord::DureeH, QStringLiteral(" 1"));
        record.set(CardRecord::DureeMin, QStringLiteral("42"));
        record.set(CardRecord::Type, QStringLiteral("Drame"));
        record.set(CardRecord::Realisateur, QStringLiteral("Jean Renoir"));
        record.set(CardRecord::Acteurs, QStringLiteral("Jean Gabin|"));
        record.set(CardRecord::Resume, QStringLiteral("Un film en noir et blanc, tourné en studio."));
        Require(WriteCard(record, poster, QStringLiteral("%1/%2 (1950).fsc").arg(folder, Title(i))).ok(), "WriteCard");
    }
}

void Import(const QString &archive, const QString &folder, int films)
{
    ImportProgress progress;
    const ImportReport report = RunImport(archive, folder, progress);
    Require(report.created == films && report.withoutPoster == 0, "the import");
}

qint64 PeakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    Require(status.open(QIODevice::ReadOnly), "/proc/self/status");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

qint64 ChildPeakKb(const QString &archive, const QString &folder, int films)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {archive, folder, QString::number(films)});
    Require(child.waitForFinished(-1) && child.exitCode() == 0, "the measured import");
    return child.readAllStandardOutput().trimmed().toLongLong();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4) { // one import, measured alone: prints its peak
        Import(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
        std::printf("%lld\n", PeakKb());
        return 0;
    }
    QTemporaryDir dir;
    const QByteArray poster = Poster();
    const QString archive = MakeArchive(dir.filePath(QStringLiteral("films.tc")), kFilms, poster);
    const QString few = MakeArchive(dir.filePath(QStringLiteral("few.tc")), kFewFilms, poster);
    int run = 0;
    const double ratio = MedianRatio(
        kRuns, [&] { WriteCards(dir.filePath(QStringLiteral("floor%1").arg(run)), poster); },
        [&] { Import(archive, dir.filePath(QStringLiteral("import%1").arg(run++)), kFilms); });
    PrintFigure("import-vs-write", ratio);
    const qint64 growth = ChildPeakKb(archive, dir.filePath(QStringLiteral("rss10000")), kFilms)
        - ChildPeakKb(few, dir.filePath(QStringLiteral("rss1000")), kFewFilms);
    PrintFigure("import-peak-kb-per-film", double(growth) / (kFilms - kFewFilms));
    return 0;
}
