// Prints how long the instrument operations take against orvantis-sim on
// pseudo-terminals: Detect with the instrument on COM1 and on COM40, and a
// full Receive and Send, paced as a 115200-baud line and unpaced, beside the
// time their bytes need on a real line; and the paced Receive over ser2net
// (raw TCP and RFC 2217) beside the same Receive on the pseudo-terminal
// directly. Not a test: it asserts nothing.

#include "EquipmentLink.h"
#include "FakeDevices.h"
#include "Ser2NetProcess.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace orvantis;
using namespace orvantis::test;

namespace {

struct TCounts {
    qint64 In = 0;
    qint64 Out = 0;
};

// Counts the bytes that cross the line each way.
class TCountingDevice : public ISerialDevice {
public:
    TCountingDevice(std::unique_ptr<ISerialDevice> inner, TCounts& counts) : FInner(std::move(inner)), FCounts(counts) {}
    bool Open(const TPortAddress& address) override { return FInner->Open(address); }
    QString ErrorString() const override { return FInner->ErrorString(); }
    bool IsOpen() const override { return FInner->IsOpen(); }
    void Close() override { FInner->Close(); }
    bool SetLine() override { return FInner->SetLine(); }
    bool SetDtr(bool on) override { return FInner->SetDtr(on); }
    bool SetRts(bool on) override { return FInner->SetRts(on); }
    bool Purge() override { return FInner->Purge(); }
    bool Write(const char* data, int size) override
    {
        FCounts.Out += size;
        return FInner->Write(data, size);
    }
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override
    {
        const TReadResult r = FInner->ReadByte(byte, timeoutMs);
        if (r == TReadResult::Byte) ++FCounts.In;
        return r;
    }

private:
    std::unique_ptr<ISerialDevice> FInner;
    TCounts& FCounts;
};

double LineSeconds(const TCounts& c)
{
    return static_cast<double>(c.In + c.Out) * 10.0 / 115200.0;
}

void DetectOn(const QString& dir, int com)
{
    TSimProcess sim;
    if (!sim.Start(dir, com, {"--quiet"})) return;
    TEquipmentLink link;
    QElapsedTimer clock;
    clock.start();
    const bool found = link.Detect();
    std::printf("Detect, instrument on COM%-2d, other ports absent: %7.1f ms (%s)\n", com, clock.nsecsElapsed() / 1e6,
                found ? "found" : "NOT FOUND");
}

void Transfers(const QString& dir, bool pace)
{
    TSimProcess sim;
    QStringList options{"--quiet"};
    if (pace) options << "--pace";
    if (!sim.Start(dir, 1, options)) return;
    TCounts counts;
    TRecordingHost host;
    TScriptedPrompter prompter;
    TSession session(host, prompter, [&] { return std::make_unique<TCountingDevice>(MakeProgramDevice(), counts); });
    session.Detect();

    QTemporaryDir backups;
    for (const char* name : {"Receive", "Send", "Send+backup"}) {
        TSendOptions sendOptions;
        sendOptions.BackUp = std::string_view(name) == "Send+backup";
        sendOptions.BackupFolder = backups.path();
        session.SetSendOptions(sendOptions);
        counts = {};
        QElapsedTimer clock;
        clock.start();
        const TTransferResult result = name[0] == 'R' ? session.Receive() : session.Send();
        const double wall = clock.nsecsElapsed() / 1e9;
        const double line = LineSeconds(counts);
        std::printf("%-11s %-8s: %8.1f ms, %5lld bytes in, %5lld bytes out, line time %7.1f ms, ratio %.3f%s\n", name,
                    pace ? "paced" : "unpaced", wall * 1e3, static_cast<long long>(counts.In),
                    static_cast<long long>(counts.Out), line * 1e3, wall / line,
                    result == TTransferResult::Complete ? "" : "  (NOT COMPLETE)");
    }
}

// Full Receives at --pace, the best of five: the ser2net figures must stay
// within 1.10 times the direct one.
double BestReceive(const TPortAddress& address)
{
    TRecordingHost host;
    TScriptedPrompter prompter;
    TSession session(host, prompter);
    session.Link().BindToPort(address);
    if (!session.Detect()) return -1;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        if (run > 0) prompter.AnswerMessage(TMsgButton::No);  // the project read before is not saved
        QElapsedTimer clock;
        clock.start();
        if (session.Receive() != TTransferResult::Complete) return -1;
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

void NetworkReceive(const QString& dir)
{
    if (const QString reason = TSer2NetProcess::MissingReason(); !reason.isEmpty()) {
        std::printf("Receive over the network: skipped, %s\n", qPrintable(reason));
        return;
    }
    TSimProcess direct;
    TSimProcess behindRaw;
    TSimProcess behindTelnet;
    TSer2NetProcess ser2net;
    if (!direct.Start(dir, 1, {"--quiet", "--pace"}) || !behindRaw.Start(dir, 2, {"--quiet", "--pace"}) ||
        !behindTelnet.Start(dir, 3, {"--quiet", "--pace"}) ||
        !ser2net.Start(dir, {{behindRaw.LinkPath(), false}, {behindTelnet.LinkPath(), true}})) {
        std::printf("Receive over the network: could not start the simulators and ser2net\n");
        return;
    }
    const double base = BestReceive(TPortAddress::Com(1));
    std::printf("Receive paced, pseudo-terminal directly: %8.1f ms\n", base);
    for (int i = 0; i < 2; ++i) {
        const double ms = BestReceive(*TPortAddress::Parse(ser2net.Address(i)));
        std::printf("Receive paced, %-27s %8.1f ms, %.3f times the direct one\n",
                    qPrintable(ser2net.Address(i) + ":"), ms, ms / base);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("ORVANTIS_PORT_DIR", dir.path().toLocal8Bit());
    // --network: only the Receives over ser2net beside the direct one.
    if (!app.arguments().contains(QStringLiteral("--network"))) {
        DetectOn(dir.path(), 1);
        DetectOn(dir.path(), 40);
        Transfers(dir.path(), false);
        Transfers(dir.path(), true);
    }
    NetworkReceive(dir.path());
    return 0;
}
