#include "core/WorkFolder.h"
#include "platform/FrenchTranslations.h"
#include "platform/TerminationSignals.h"
#include "poster/ImageLimits.h"
#include "start/CommandLine.h"
#include "start/Startup.h"

#include <QApplication>

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

QStringList RawArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // The forms without a window need no display.
    if (const QStringList arguments = RawArguments(argc, argv); IsWindowlessCommand(arguments)) {
        QCoreApplication app(argc, argv);
        LimitImageAllocation();
        return RunWindowlessCommand(arguments);
    }
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
    // A card that could not be shown leaves no window to wait for.
    if (!Main(CommandLineText()))
        return 1;
    return app.exec();
}
