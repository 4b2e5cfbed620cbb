// orvantis-sim: a simulated Orvantis+ instrument on a pseudo-terminal, for
// trying the program without an instrument and for the tests.
//
//   orvantis-sim --dir /tmp/ports --com 1        then ORVANTIS_PORT_DIR=/tmp/ports
//
// It prints every command it answers. Ctrl+C (or SIGTERM) ends it and
// removes its link.

#include "EepromImage.h"
#include "ModelTable.h"
#include "OutputSchedule.h"
#include "PortMap.h"
#include "PtyLine.h"
#include "SimInstrument.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTime>

#include <algorithm>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace orvantis;
using namespace orvantis::sim;

namespace {

volatile std::sig_atomic_t StopRequested = 0;

void OnStopSignal(int)
{
    StopRequested = 1;
}

// SIGINT and SIGTERM stay blocked except while the main loop waits, so a stop
// never finds the simulator half started: it always ends through the loop,
// which removes the link. Returns the mask to wait with.
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

void Say(const QString& text)
{
    std::printf("%s %s\n", qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))), qPrintable(text));
    std::fflush(stdout);
}

int Usage(const QString& problem)
{
    std::fprintf(stderr, "orvantis-sim: %s\nTry 'orvantis-sim --help'.\n", qPrintable(problem));
    return 2;
}

float VersionNumber(const QByteArray& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            float v = 3.0f;
            std::from_chars(text.constData() + i, text.constData() + text.size(), v);
            return v;
        }
    }
    return 3.0f;
}

}  // namespace

int main(int argc, char* argv[])
{
    const sigset_t waitMask = HoldStopsForTheLoop();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvantis-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated Orvantis+ instrument on a pseudo-terminal.\n"
        "Example: orvantis-sim --dir /tmp/ports --com 1, then run the program with ORVANTIS_PORT_DIR=/tmp/ports."));
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Folder of the COM links."), QStringLiteral("DIR"));
    const QCommandLineOption comOption(QStringLiteral("com"), QStringLiteral("COM number of the link in DIR (1 to 40)."),
                                       QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Path of the link to create (instead of --dir/--com)."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("Instrument name (default OV+ DVB-T2)."),
                                        QStringLiteral("NAME"), QStringLiteral("OV+ DVB-T2"));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("version"), QStringLiteral("fw")}, QStringLiteral("Firmware version text (default 1.20)."),
                                           QStringLiteral("TEXT"), QStringLiteral("1.20"));
    const QCommandLineOption nameReplyOption(QStringLiteral("name-reply"), QStringLiteral("Whole reply line to *?NAM."),
                                             QStringLiteral("LINE"));
    const QCommandLineOption versionReplyOption(QStringLiteral("version-reply"), QStringLiteral("Whole reply line to *?VER."),
                                                QStringLiteral("LINE"));
    const QCommandLineOption eepromOption(QStringLiteral("eeprom"),
                                          QStringLiteral("Project file: loaded at start if it exists, saved at the end after writes."),
                                          QStringLiteral("FILE.pro"));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Fault: never send anything."));
    const QCommandLineOption noiseOption(QStringLiteral("noise"), QStringLiteral("Fault: stream noise without pause."));
    const QCommandLineOption nakAllOption(QStringLiteral("nak-all"), QStringLiteral("Fault: refuse every command."));
    const QCommandLineOption nakAtOption(QStringLiteral("nak-at"), QStringLiteral("Fault: refuse EEPROM commands at this hex address."),
                                         QStringLiteral("ADDR"));
    const QCommandLineOption dropOption(QStringLiteral("drop-after"), QStringLiteral("Fault: go silent after N commands."),
                                        QStringLiteral("N"));
    const QCommandLineOption hangupOption(QStringLiteral("hangup-after"),
                                          QStringLiteral("Fault: close the line (a pulled cable) after N commands."),
                                          QStringLiteral("N"));
    const QCommandLineOption slowOption(QStringLiteral("slow"),
                                        QStringLiteral("Pause MS milliseconds before XOFF, ACK and the reply (under 105 stays inside the time-outs)."),
                                        QStringLiteral("MS"));
    const QCommandLineOption paceOption(QStringLiteral("pace"), QStringLiteral("Carry every byte as a 115200-baud line would."));
    const QCommandLineOption quietOption(QStringLiteral("quiet"), QStringLiteral("Print only the start line."));
    parser.addOptions({dirOption, comOption, linkOption, nameOption, versionOption, nameReplyOption, versionReplyOption,
                       eepromOption, silentOption, noiseOption, nakAllOption, nakAtOption, dropOption, hangupOption,
                       slowOption, paceOption, quietOption});
    parser.process(app);

    QString linkPath = parser.value(linkOption);
    if (linkPath.isEmpty()) {
        if (!parser.isSet(dirOption)) return Usage(QStringLiteral("give --dir DIR (with --com N) or --link PATH"));
        bool ok = false;
        const int com = parser.value(comOption).toInt(&ok);
        if (!ok || ComPortIndex(QStringLiteral("COM%1").arg(com)) < 0)
            return Usage(QStringLiteral("--com takes 1 to %1").arg(ComPortCount));
        linkPath = QDir(parser.value(dirOption)).filePath(ComPortName(com - 1));
    }

    TFaults faults;
    faults.Silent = parser.isSet(silentOption);
    faults.Noise = parser.isSet(noiseOption);
    faults.NakAll = parser.isSet(nakAllOption);
    if (parser.isSet(nakAtOption)) {
        bool ok = false;
        faults.NakAddress = parser.value(nakAtOption).toUInt(&ok, 16);
        if (!ok) return Usage(QStringLiteral("--nak-at takes a hexadecimal address"));
    }
    if (parser.isSet(dropOption)) {
        bool ok = false;
        faults.DropAfter = parser.value(dropOption).toInt(&ok);
        if (!ok || faults.DropAfter < 0) return Usage(QStringLiteral("--drop-after takes a count"));
    }

    int hangupAfter = -1;
    if (parser.isSet(hangupOption)) {
        bool ok = false;
        hangupAfter = parser.value(hangupOption).toInt(&ok);
        if (!ok || hangupAfter < 0) return Usage(QStringLiteral("--hangup-after takes a count"));
    }
    int slowMs = 0;
    if (parser.isSet(slowOption)) {
        bool ok = false;
        slowMs = parser.value(slowOption).toInt(&ok);
        if (!ok || slowMs < 0) return Usage(QStringLiteral("--slow takes milliseconds"));
    }

    const QByteArray name = parser.value(nameOption).toLatin1();
    const QByteArray version = parser.value(versionOption).toLatin1();
    const QByteArray nameReply = parser.isSet(nameReplyOption) ? parser.value(nameReplyOption).toLatin1() : "*NAM " + name;
    const QByteArray versionReply =
        parser.isSet(versionReplyOption) ? parser.value(versionReplyOption).toLatin1() : "*VER " + version;
    const int row = ModelRow(name.toUpper().toStdString());
    const int imageRow = row == ModelRowUnknown ? DvbT2ModelRow : row;
    const float versionNumber = VersionNumber(version);

    QByteArray image = FactoryImage(imageRow, versionNumber);
    const QString eepromPath = parser.value(eepromOption);
    if (!eepromPath.isEmpty() && QFile::exists(eepromPath)) {
        QString error;
        if (!LoadProjectInto(image, eepromPath, &error))
            return Usage(QStringLiteral("cannot load %1: %2").arg(eepromPath, error));
    }

    TPtyLine line;
    QString error;
    if (!line.Open(linkPath, &error)) {
        std::fprintf(stderr, "orvantis-sim: %s\n", qPrintable(error));
        return 1;
    }

    TSimInstrument instrument(nameReply, versionReply, image, faults);
    const bool quiet = parser.isSet(quietOption);
    if (!quiet) instrument.OnEvent = Say;
    Say(QStringLiteral("%1 on %2 (%3), answering \"%4\" and \"%5\"; Ctrl+C ends")
            .arg(linkPath, line.TerminalPath(), QString::fromLatin1(name), QString::fromLatin1(nameReply),
                 QString::fromLatin1(versionReply)));

    // The instrument repeats XON while it waits, so a program that opens
    // the port (and purges it) later still sees one.
    constexpr int TickMs = 10;
    constexpr int NoiseBacklog = 512;
    TOutputSchedule schedule(parser.isSet(paceOption), slowMs);
    // Paced bytes are 87 us apart: the default 50 us timer slack would stretch them.
    if (parser.isSet(paceOption)) prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    QElapsedTimer clock;
    clock.start();
    int commandBytes = 0;
    qint64 lastIdleNs = 0;
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
        if (hangupAfter >= 0 && instrument.CommandCount() >= hangupAfter) {
            Say(QStringLiteral("line closed (pulled cable)"));
            break;
        }
        // Once per tick at most: the program buffers what it reads, so an
        // empty terminal queue does not mean the last XON was taken.
        const qint64 now = clock.nsecsElapsed();
        if (now - lastIdleNs < TickMs * 1'000'000LL) continue;
        const int unread = line.Unread();
        if (unread == 0 || (faults.Noise && unread < NoiseBacklog)) {
            schedule.AddIdle(instrument.IdleOutput(), now);
            lastIdleNs = now;
            line.Write(schedule.TakeDue(now));
        }
    }

    line.Close();
    if (!eepromPath.isEmpty() && instrument.ImageChanged()) {
        if (SaveImageAsProject(instrument.Image(), imageRow, versionNumber, eepromPath, &error))
            Say(QStringLiteral("memory saved to %1").arg(eepromPath));
        else
            std::fprintf(stderr, "orvantis-sim: cannot save %s: %s\n", qPrintable(eepromPath), qPrintable(error));
    }
    Say(QStringLiteral("stopped"));
    return 0;
}
