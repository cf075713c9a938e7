// The floors of the viewer benchmark: a bare Qt program that shows a window
// of the viewer's size holding the poster at the viewer's poster size, the
// JPEG decoded whole then scaled ("whole") or decoded straight at that size
// ("scaled"), the latter also with the viewer's captions and buttons in
// French and the JPEG's bytes kept in memory for a full-size view, as the
// viewer must ("captions"); and one that shows the whole picture from bytes
// already in memory, as the full-size window does ("large").
#include "FirstPaint.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QStringDecoder>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = app.arguments().value(1);
    const QString path = app.arguments().value(2);
    const auto readAll = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // The full-size window finds the bytes already in memory; the viewer
    // reads them with its card.
    QByteArray bytes = mode == QLatin1String("large") ? readAll() : QByteArray();
    QElapsedTimer timer;
    timer.start();
    if (mode == QLatin1String("captions"))
        bytes = readAll();
    QWidget window;
    QLabel shown(&window);
    if (mode == QLatin1String("large")) {
        const QImage poster = QImage::fromData(bytes);
        if (poster.isNull())
            return 1;
        shown.setPixmap(QPixmap::fromImage(poster));
        shown.resize(poster.size());
        window.resize(poster.size());
    } else {
        window.resize(357, 314);
        shown.setGeometry(208, 40, 129, 193);
        QBuffer buffer(&bytes);
        QImageReader reader;
        if (mode == QLatin1String("captions"))
            reader.setDevice(&buffer);
        else
            reader.setFileName(path);
        if (mode != QLatin1String("whole"))
            reader.setScaledSize(shown.size());
        const QImage poster = reader.read();
        if (poster.isNull())
            return 1;
        shown.setPixmap(
            QPixmap::fromImage(poster.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    QTranslator french;
    if (mode == QLatin1String("captions")) {
        if (french.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(&french);
        QStringDecoder windows1252("windows-1252");
        auto *title = new QLabel(windows1252.decode(QByteArrayView("M\xE9tropolis")), &window);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        const char *captions[] = {"Année : 1927", "Durée : 2h33", "Type :", "Science-fiction", "Réalisateur :",
                                  "Fritz Lang", "Acteurs : ", "Brigitte Helm", "Résumé : ", "Dans la ville géante"};
        int top = 20;
        for (const char *caption : captions)
            (new QLabel(QString::fromUtf8(caption), &window))->move(8, top += 16);
        (new QPushButton(QStringLiteral("OK"), &window))->move(270, 280);
        (new QPushButton(QStringLiteral("&Lecture"), &window))->move(180, 280);
    }
    window.show();
    WaitForFirstPaint();
    return ReportReady(timer);
}
