#include "platform/TerminationSignals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include "core/WorkFolder.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler writes to the first socket; the event loop reads the second.
int signalSockets[2] = {-1, -1};

// Only async-signal-safe calls here: it passes the signal's number on. A
// full socket already holds a wake-up.
void WakeEventLoop(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void RemoveFoldersAndExit()
{
    char number = 0;
    if (::read(signalSockets[1], &number, 1) != 1)
        return;
    RemoveOwnWorkFolders();
    // Not quit(), which first asks each window to close: an editor with
    // unsaved changes would ask its question and stay. The status is the
    // shell's for a program ended by that signal.
    QCoreApplication::exit(128 + number);
}

} // namespace

void EndOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    for (const int end : signalSockets)
        ::fcntl(end, F_SETFD, FD_CLOEXEC); // not inherited by programs we start
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &RemoveFoldersAndExit);

    struct sigaction action = {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction previous = {};
        if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

#else

void EndOnTerminationSignals()
{
}

#endif
