#include "platform/DefaultApplication.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <memory>

namespace {

// Long enough for xdg-open to look for a handler and give up on a busy
// machine, short enough not to keep the user waiting long.
constexpr int kHandlerSearchMs = 3000;

} // namespace

bool OpenWithDefaultApplication(const QUrl &url)
{
    auto xdgOpen = std::make_unique<QProcess>();
    // A handler that xdg-open runs in the foreground inherits these: nothing
    // to read from, nowhere that breaks once the program has ended.
    xdgOpen->setStandardInputFile(QProcess::nullDevice());
    xdgOpen->setStandardOutputFile(QProcess::nullDevice());
    xdgOpen->setStandardErrorFile(QProcess::nullDevice());
    xdgOpen->start(QStringLiteral("xdg-open"),
                   {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    if (!xdgOpen->waitForStarted())
        return QDesktopServices::openUrl(url);

    // Windows are still drawn meanwhile, but take no input.
    QEventLoop search;
    QObject::connect(xdgOpen.get(), &QProcess::finished, &search, &QEventLoop::quit);
    QTimer::singleShot(kHandlerSearchMs, &search, &QEventLoop::quit);
    if (xdgOpen->state() != QProcess::NotRunning)
        search.exec(QEventLoop::ExcludeUserInputEvents);

    if (xdgOpen->state() != QProcess::NotRunning) {
        // Still running: the handler was found and runs in the foreground.
        // The process is left to it, and outlives the program if need be.
        QProcess *handler = xdgOpen.release();
        QObject::connect(handler, &QProcess::finished, handler, &QObject::deleteLater);
        return true;
    }
    return xdgOpen->exitStatus() == QProcess::NormalExit && xdgOpen->exitCode() == 0;
}
