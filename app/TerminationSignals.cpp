#include "app/TerminationSignals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include "app/WorkFolder.h"

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

// Only async-signal-safe calls here. A full socket already holds a wake-up.
void WakeEventLoop(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void RemoveFoldersAndQuit()
{
    char bytes[16];
    [[maybe_unused]] const ssize_t drained = ::read(signalSockets[1], bytes, sizeof bytes);
    RemoveOwnWorkFolders();
    QCoreApplication::quit();
}

} // namespace

void EndOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    for (const int socket : signalSockets)
        ::fcntl(socket, F_SETFD, FD_CLOEXEC); // not inherited by programs we start
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, &RemoveFoldersAndQuit);

    struct sigaction action = {};
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction previous = {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

#else

void EndOnTerminationSignals() {}

#endif
