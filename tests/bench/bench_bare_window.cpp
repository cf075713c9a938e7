// The floor of the viewer benchmark: a bare Qt program that decodes the
// poster once, keeps it, and shows a window of the viewer's size holding it
// scaled to the viewer's poster size.
#include "FirstPaint.h"

#include <QApplication>
#include <QImage>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();
    const QImage poster(app.arguments().value(1));
    QWidget window;
    window.resize(357, 314);
    QLabel shown(&window);
    shown.setGeometry(208, 40, 129, 193);
    shown.setPixmap(QPixmap::fromImage(poster.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    window.show();
    WaitForFirstPaint();
    return ReportReady(timer);
}
