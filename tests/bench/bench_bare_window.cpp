// The floors of the viewer benchmark: a bare Qt program that shows a window
// of the viewer's size holding the poster at the viewer's poster size, the
// JPEG decoded whole then scaled ("whole") or decoded straight at that size
// ("scaled"); and one that shows the whole picture from bytes already in
// memory, as the full-size window does ("large").
#include "FirstPaint.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = app.arguments().value(1);
    const QString path = app.arguments().value(2);
    QByteArray bytes;
    if (mode == QLatin1String("large")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        bytes = file.readAll();
    }
    QElapsedTimer timer;
    timer.start();
    QWidget window;
    QLabel shown(&window);
    if (mode == QLatin1String("large")) {
        const QImage poster = QImage::fromData(bytes);
        shown.setPixmap(QPixmap::fromImage(poster));
        shown.resize(poster.size());
        window.resize(poster.size());
    } else {
        window.resize(357, 314);
        shown.setGeometry(208, 40, 129, 193);
        QImageReader reader(path);
        if (mode == QLatin1String("scaled"))
            reader.setScaledSize(shown.size());
        shown.setPixmap(QPixmap::fromImage(
            reader.read().scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    window.show();
    WaitForFirstPaint();
    return ReportReady(timer);
}
