// Prints how long the instrument operations take against orvantis-sim on
// pseudo-terminals: Detect with the instrument on COM1 and on COM40, and a
// full Receive and Send, paced as a 115200-baud line and unpaced, beside the
// time their bytes need on a real line. Not a test: it asserts nothing.

#include "EquipmentLink.h"
#include "FakeDevices.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

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

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("ORVANTIS_PORT_DIR", dir.path().toLocal8Bit());
    DetectOn(dir.path(), 1);
    DetectOn(dir.path(), 40);
    Transfers(dir.path(), false);
    Transfers(dir.path(), true);
    return 0;
}
