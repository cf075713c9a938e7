// The viewer's side of the viewer benchmark: the program's start-up for a
// card path, timed from the start of Main to the viewer's first paint.
#include "FirstPaint.h"

#include "app/FrenchTranslations.h"
#include "app/ImageLimits.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallFrenchTranslations(app);
    LimitImageAllocation();
    QElapsedTimer timer;
    timer.start();
    Main(app.arguments().value(1));
    WaitForFirstPaint();
    return ReportReady(timer);
}
