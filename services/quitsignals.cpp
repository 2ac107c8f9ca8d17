#include "services/quitsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace abacolo {

namespace {

constexpr std::array<int, 3> Signals{SIGINT, SIGTERM, SIGHUP};

int pipeEnds[2] = {-1, -1};
volatile sig_atomic_t taken[NSIG] = {};
QSocketNotifier *notifier = nullptr;

extern "C" void onQuitSignal(int signal)
{
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    // A second request ends the program the ordinary way.
    struct sigaction plain = {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    ::sigaction(signal, &plain, nullptr);
    errno = savedErrno;
}

void readAndQuit()
{
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::exit(0);
}

} // namespace

bool QuitSignals::install()
{
    if (notifier)
        return true;
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    if (pipeEnds[0] < 0
        && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    notifier = new QSocketNotifier(qintptr(pipeEnds[0]), QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] { readAndQuit(); });
    QObject::connect(app, &QObject::destroyed, [] { notifier = nullptr; });

    for (const int signal : Signals) {
        struct sigaction previous = {};
        if (::sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        struct sigaction action = {};
        action.sa_handler = onQuitSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        if (::sigaction(signal, &action, nullptr) == 0)
            taken[signal] = 1;
    }
    return true;
}

bool QuitSignals::handles(int signal)
{
    return signal > 0 && signal < NSIG && taken[signal] != 0;
}

} // namespace abacolo
