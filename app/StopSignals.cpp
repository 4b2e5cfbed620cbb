#include "StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orvantis {

namespace {

constexpr int StopSignalNumbers[] = {SIGTERM, SIGINT, SIGHUP};
int SignalPipe[2] = {-1, -1};

sigset_t StopSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int number : StopSignalNumbers) sigaddset(&set, number);
    return set;
}

void OnStopSignal(int number)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void TStopSignals::Hold()
{
    const sigset_t set = StopSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TStopSignals::TStopSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalPipe) != 0) return;
    FNotifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(SignalPipe[1], &byte, 1) == 1) emit Received(static_cast<unsigned char>(byte));
    });
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : StopSignalNumbers) sigaction(number, &action, nullptr);
    const sigset_t set = StopSignalSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

TStopSignals::~TStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int number : StopSignalNumbers) sigaction(number, &action, nullptr);
}

}  // namespace orvantis
