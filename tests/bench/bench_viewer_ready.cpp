// The viewer's side of the viewer benchmark: the program's start-up for a
// card path, timed from the clean-up of abandoned work folders, through
// Main, to the viewer's first paint; or, with "large", from a click on the
// viewer's poster to the full-size window's first paint; or, with "editor",
// the editor opening the card.
#include "FirstPaint.h"

#include "platform/FrenchTranslations.h"
#include "poster/ImageLimits.h"
#include "start/Startup.h"
#include "platform/TerminationSignals.h"
#include "core/WorkFolder.h"
#include "editor/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <memory>

namespace {

void ClickPoster()
{
    QWidget *poster = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!poster)
            poster = window->findChild<QLabel *>(QStringLiteral("imgAffiche"));
    if (!poster)
        std::exit(1);
    const QPointF centre = QRectF(poster->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, centre, poster->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(poster, &click);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    InstallFrenchTranslations(app);
    LimitImageAllocation();
    const QString mode = app.arguments().value(1);
    const bool large = mode == QLatin1String("large");
    QElapsedTimer timer;
    timer.start();
    EndOnTerminationSignals();
    RemoveAbandonedWorkFolders();
    std::unique_ptr<frmMain> editor;
    if (mode == QLatin1String("editor")) {
        editor = std::make_unique<frmMain>();
        editor->openFile(app.arguments().value(2));
        editor->show();
    } else {
        Main(app.arguments().value(2));
    }
    WaitForFirstPaint();
    if (!large)
        return ReportReady(timer);
    // The full-size window is modal: it is timed from inside its own loop.
    QTimer::singleShot(0, [] {
        QElapsedTimer sinceClick;
        sinceClick.start();
        QTimer::singleShot(0, [&sinceClick] {
            WaitForFirstPaint("frmViewLarger");
            std::exit(ReportReady(sinceClick));
        });
        ClickPoster();
    });
    return app.exec();
}
