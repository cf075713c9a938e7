// Writes a PNG thumbnail of a card's poster, for file managers that follow
// the freedesktop.org thumbnailer convention:
//   fichoscope-thumbnailer [-s size] <card path or file:// URI> <output.png>
// Exit status: 0 the thumbnail is written, or the card has no poster and
// nothing is written; 1 wrong arguments; 2 the card or its poster is
// damaged, or the thumbnail cannot be written (nothing is left behind).

#include "poster/CardPoster.h"
#include "poster/PosterThumbnail.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <QUrl>

#include <cstdio>

namespace {

enum ExitStatus { Done = 0, Usage = 1, Failed = 2 };

// Posters are pictures of a few hundred kilobytes; anything far larger is
// not worth reading for a thumbnail.

int Fail(const QString &what, const QString &why)
{
    std::fprintf(stderr, "fichoscope-thumbnailer: %s : %s\n", qUtf8Printable(what), qUtf8Printable(why));
    return Failed;
}

QString LocalPath(const QString &pathOrUri)
{
    if (pathOrUri.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(pathOrUri).toLocalFile();
    return pathOrUri;
}

bool WritePng(const QImage &image, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vignette de l'affiche d'une fiche Fichoscope."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption({QStringLiteral("s"), QStringLiteral("size")},
                                        QStringLiteral("Côté du carré où tient la vignette."), QStringLiteral("pixels"),
                                        QStringLiteral("128"));
    parser.addOption(sizeOption);
    parser.addPositionalArgument(QStringLiteral("fiche"), QStringLiteral("Chemin ou URI file:// de la fiche."));
    parser.addPositionalArgument(QStringLiteral("vignette"), QStringLiteral("Fichier PNG à écrire."));
    parser.process(app);

    bool sizeOk = false;
    const int bound = parser.value(sizeOption).toInt(&sizeOk);
    const QStringList args = parser.positionalArguments();
    if (!sizeOk || bound < 1 || args.size() != 2) {
        std::fputs(qUtf8Printable(parser.helpText()), stderr);
        return Usage;
    }

    const QString cardPath = LocalPath(args.at(0));
    const CardPoster poster = ReadCardPoster(cardPath);
    if (poster.status.ok() && poster.bytes.isEmpty())
        return Done;
    if (!poster.status.ok())
        return Fail(cardPath, poster.status.errorString);

    QString why;
    const QImage thumbnail = DecodeThumbnail(poster.bytes, bound, why);
    if (thumbnail.isNull())
        return Fail(cardPath, why);
    if (!WritePng(thumbnail, args.at(1)))
        return Fail(args.at(1), QStringLiteral("écriture impossible"));
    return Done;
}
