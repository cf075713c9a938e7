#include "core/WorkFolder.h"
#include "platform/FrenchTranslations.h"
#include "platform/TerminationSignals.h"
#include "poster/ImageLimits.h"
#include "start/Startup.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

// Without a window system Qt aborts with a long message; say it plainly.
bool HasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!HasDisplay()) {
        std::fputs("Fichoscope : aucun affichage graphique (ni DISPLAY, ni WAYLAND_DISPLAY, ni QT_QPA_PLATFORM).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    EndOnTerminationSignals();
    RemoveAbandonedWorkFolders();
    InstallFrenchTranslations(app);
    LimitImageAllocation();
    Main(CommandLineText());
    // A card that could not be shown leaves no window to wait for.
    const QWidgetList windows = QApplication::topLevelWidgets();
    if (std::none_of(windows.begin(), windows.end(), [](const QWidget *w) { return w->isVisible(); }))
        return 1;
    return app.exec();
}
