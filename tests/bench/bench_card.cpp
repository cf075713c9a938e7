// Saving and opening a card against the floor of copying its poster, and
// the header rewrite at two poster sizes.
#include "BenchSupport.h"

#include "card/CardReader.h"
#include "card/CardWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <fstream>

namespace {

constexpr int kRuns = 9;

QString MakePoster(const QTemporaryDir &dir, const QString &name, qsizetype bytes)
{
    QByteArray data(bytes, Qt::Uninitialized);
    QRandomGenerator generator(42);
    generator.fillRange(reinterpret_cast<quint32 *>(data.data()), bytes / 4);
    const QString path = dir.filePath(name);
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly) && file.write(data) == bytes, "writing the poster");
    return path;
}

void StandardCopy(const QString &from, const QString &to)
{
    std::ifstream in(from.toStdString(), std::ios::binary);
    std::ofstream out(to.toStdString(), std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    Require(bool(out), "the standard copy");
}

// The poster's file is read as the editor reads it when it is chosen, then
// the card is written, so that the whole road is set against the copy.
void FullBuild(const QString &poster, const QString &target)
{
    QFile picture(poster);
    Require(picture.open(QIODevice::ReadOnly), "reading the poster");
    CardRecord record;
    record.set(CardRecord::Titre, QStringLiteral("Metropolis"));
    Require(WriteCard(record, picture.readAll(), target).ok(), "WriteCard");
}

void Open(const QString &card)
{
    const CardReadResult read = ReadCardFile(card);
    Require(read.ok() && !read.poster.isEmpty(), "ReadCardFile");
}

double HeaderRewriteMicros(const QString &card)
{
    CardRecord record;
    record.set(CardRecord::Titre, QStringLiteral("Nosferatu"));
    return MedianMicros(51, [&] { Require(WriteCardHeader(card, record).ok(), "WriteCardHeader"); });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString big = MakePoster(dir, QStringLiteral("big.jpg"), 50 * 1000 * 1000);
    const QString small = MakePoster(dir, QStringLiteral("small.jpg"), 1000 * 1000);
    const QString copy = dir.filePath(QStringLiteral("copy.jpg"));
    const QString bigCard = dir.filePath(QStringLiteral("big.fsc"));
    const QString smallCard = dir.filePath(QStringLiteral("small.fsc"));
    FullBuild(small, smallCard);

    const double copyMicros = MedianMicros(kRuns, [&] { StandardCopy(big, copy); });
    const double saveMicros = MedianMicros(kRuns, [&] { FullBuild(big, bigCard); });
    const double openMicros = MedianMicros(kRuns, [&] { Open(bigCard); });
    PrintFigure("copy-50mb-ms", copyMicros / 1000.0);
    PrintFigure("card-save-vs-copy", saveMicros / copyMicros);
    PrintFigure("card-open-vs-copy", openMicros / copyMicros);
    PrintFigure("header-rewrite-us", HeaderRewriteMicros(bigCard));
    PrintFigure("header-rewrite-1mb-us", HeaderRewriteMicros(smallCard));
    return 0;
}
