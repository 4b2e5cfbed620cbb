#include "SimLoop.h"

#include "OutputSchedule.h"
#include "PtyLine.h"
#include "SimInstrument.h"
#include "SimOptions.h"

#include <QElapsedTimer>
#include <QTime>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <sys/prctl.h>

namespace orvantis::sim {

namespace {

volatile std::sig_atomic_t StopRequested = 0;

void OnStopSignal(int)
{
    StopRequested = 1;
}

}  // namespace

void Say(const QString& text)
{
    std::printf("%s %s\n", qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))), qPrintable(text));
    std::fflush(stdout);
}

sigset_t HoldStopsForTheLoop()
{
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigset_t waiting;
    sigprocmask(SIG_BLOCK, &stops, &waiting);
    // Also when the caller started us with them blocked.
    sigdelset(&waiting, SIGINT);
    sigdelset(&waiting, SIGTERM);

    struct sigaction stop {};
    stop.sa_handler = OnStopSignal;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return waiting;
}

void RunLoop(TPtyLine& line, TSimInstrument& instrument, const TSimOptions& options, const sigset_t& waitMask)
{
    // The instrument repeats XON while it waits, so a program that opens
    // the port (and purges it) later still sees one.
    constexpr int TickMs = 10;
    constexpr int NoiseBacklog = 512;
    TOutputSchedule schedule(options.Pace, options.SlowMs);
    // Paced bytes are 87 us apart: the default 50 us timer slack would stretch them.
    if (options.Pace) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    QElapsedTimer clock;
    clock.start();
    int commandBytes = 0;
    qint64 lastIdleNs = 0;
    QString lineSettings;
    for (;;) {
        const qint64 next = schedule.NsUntilNext(clock.nsecsElapsed());
        const qint64 waitNs = next < 0 ? TickMs * 1'000'000LL : std::min<qint64>(next, TickMs * 1'000'000LL);
        const timespec wait{static_cast<time_t>(waitNs / 1'000'000'000), static_cast<long>(waitNs % 1'000'000'000)};
        pollfd fds[1] = {{line.Fd(), POLLIN, 0}};
        const int ready = ::ppoll(fds, 1, &wait, &waitMask);
        if (StopRequested || (ready < 0 && errno != EINTR)) break;
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            const QByteArray in = line.ReadAvailable();
            commandBytes += static_cast<int>(in.size());
            const QByteArray answer = instrument.Receive(in);
            if (!answer.isEmpty() || !instrument.InCommand()) {
                // Ready for the next command as soon as the answer is out.
                const QByteArray ready = answer.isEmpty() ? QByteArray() : instrument.IdleOutput();
                schedule.AddAnswer(answer + ready, commandBytes, clock.nsecsElapsed());
                commandBytes = 0;
            }
        }
        line.Write(schedule.TakeDue(clock.nsecsElapsed()));
        if (!schedule.IsEmpty()) continue;
        if (options.HangupAfter >= 0 && instrument.CommandCount() >= options.HangupAfter) {
            Say(QStringLiteral("line closed (pulled cable)"));
            break;
        }
        // Once per tick at most: the program buffers what it reads, so an
        // empty terminal queue does not mean the last XON was taken.
        const qint64 now = clock.nsecsElapsed();
        if (now - lastIdleNs < TickMs * 1'000'000LL) continue;
        // Told when they change: a port server may set them (RFC 2217).
        if (const QString settings = line.LineSettings(); settings != lineSettings) {
            lineSettings = settings;
            if (!options.Quiet) Say(QStringLiteral("line settings %1").arg(settings));
        }
        const int unread = line.Unread();
        if (unread == 0 || (options.Faults.Noise && unread < NoiseBacklog)) {
            schedule.AddIdle(instrument.IdleOutput(), now);
            lastIdleNs = now;
            line.Write(schedule.TakeDue(now));
        }
    }
}

}  // namespace orvantis::sim
