// The viewer's side of the viewer benchmark: the program's start-up for a
// card path, timed from the clean-up of abandoned work folders, through
// Main, to the viewer's first paint.
#include "FirstPaint.h"

#include "app/FrenchTranslations.h"
#include "app/ImageLimits.h"
#include "app/Startup.h"
#include "app/TerminationSignals.h"
#include "app/WorkFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallFrenchTranslations(app);
    LimitImageAllocation();
    QElapsedTimer timer;
    timer.start();
    EndOnTerminationSignals();
    RemoveAbandonedWorkFolders();
    Main(app.arguments().value(1));
    WaitForFirstPaint();
    return ReportReady(timer);
}
