// libFuzzer target: the instrument's side of the line. A scripted device on
// COM1 to COM4 plays the fuzz input back as what the instrument sends, while
// the program runs Detect, Receive, Send and a comparison through the very
// session the window and orvantis-cli use.
//
// Input: a byte of switches (bits 0-1: the ports with a device, COM1 up to
// COM1 + n; bit 2: back up before Send; bit 3: the answer to "Send without a
// backup?"; bit 4: compare after Send; bit 5: Send only what changed; bit 6:
// Send asks whether the instrument found is the one meant, bit 7 answering),
// then the bytes the devices deliver,
// one per read, all devices reading from the one stream. 0xFF escapes:
//   FF FF       a 0xFF byte
//   FF 00..3F   1 to 64 reads that bring nothing (a quiet line)
//   FF 40..7F   a failed read (a pulled cable)
//   FF 80..FE   the next write fails; this read brings nothing
// After the input every read brings nothing, as from an instrument that has
// gone quiet.
//
// Every operation must end, with every port it opened closed again, and with
// no more reads than its exchanges allow: each exchange waits for three bytes
// (XON, XOFF, ACK), each wait ending after MaxMisses reads with nothing or
// MaxDroppedBytes bytes of anything else, and then reads a reply of at most
// ReadReplyLength bytes. No read ever happens on a closed port, and every line
// written is a whole command line of at most 255 bytes.

#include "EquipmentLink.h"
#include "ReadPlan.h"
#include "Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>

using namespace orvantis;

namespace {

[[noreturn]] void Fail(const char* what, long long figure = 0, long long bound = 0)
{
    std::fprintf(stderr, "%s (%lld, bound %lld)\n", what, figure, bound);
    std::abort();
}

// The line all devices share: the instrument's bytes and what was done.
struct TLine {
    std::span<const std::uint8_t> Bytes;
    std::size_t Next = 0;
    int QuietReads = 0;
    bool FailNextWrite = false;
    int PresentPorts = 1;
    int OpenDevices = 0;
    long long Reads = 0;
    long long Writes = 0;
};

class TFuzzDevice : public ISerialDevice {
public:
    explicit TFuzzDevice(TLine& line) : L(line) {}
    ~TFuzzDevice() override { if (FOpen) Fail("a port object deleted while its port is open"); }

    bool Open(const TPortAddress& address) override
    {
        if (FOpen) Fail("a port opened twice");
        const int number = address.ComNumber();
        if (number < 1 || number > L.PresentPorts) return false;
        FOpen = true;
        ++L.OpenDevices;
        return true;
    }
    QString ErrorString() const override { return QStringLiteral("no such port"); }
    bool IsOpen() const override { return FOpen; }
    void Close() override
    {
        if (FOpen) --L.OpenDevices;
        FOpen = false;
    }
    bool SetLine() override { return FOpen; }
    bool SetDtr(bool) override { return FOpen; }
    bool SetRts(bool) override { return FOpen; }
    bool Purge() override { return FOpen; }

    bool Write(const char* data, int size) override
    {
        if (!FOpen) Fail("a write on a closed port");
        if (size < 3 || size > 255 || data[size - 2] != '\r' || data[size - 1] != '\n')
            Fail("a line written that is not one command line", size, 255);
        if (std::memchr(data, '\r', std::size_t(size) - 2) || std::memchr(data, '\n', std::size_t(size) - 2))
            Fail("a line end inside a command");
        ++L.Writes;
        const bool fails = L.FailNextWrite;
        L.FailNextWrite = false;
        return !fails;
    }

    TReadResult ReadByte(std::uint8_t& byte, int) override
    {
        if (!FOpen) Fail("a read on a closed port");
        ++L.Reads;
        if (L.QuietReads > 0) {
            --L.QuietReads;
            return TReadResult::Empty;
        }
        if (L.Next >= L.Bytes.size()) return TReadResult::Empty;
        const std::uint8_t b = L.Bytes[L.Next++];
        if (b != 0xFF) {
            byte = b;
            return TReadResult::Byte;
        }
        if (L.Next >= L.Bytes.size()) return TReadResult::Empty;
        const std::uint8_t code = L.Bytes[L.Next++];
        if (code == 0xFF) {
            byte = 0xFF;
            return TReadResult::Byte;
        }
        if (code < 0x40) {
            L.QuietReads = code;  // this read is the first of code + 1
            return TReadResult::Empty;
        }
        if (code < 0x80) return TReadResult::Failed;
        L.FailNextWrite = true;
        return TReadResult::Empty;
    }

private:
    TLine& L;
    bool FOpen = false;
};

class TSilentHost : public ISessionHost {
public:
    void Log(const QString&) override {}
    void Beep() override {}
};

// Answers the one question Send may ask; every box is just shown.
class TFixedPrompter : public IPrompter {
public:
    explicit TFixedPrompter(bool sendWithoutBackup) : FYes(sendWithoutBackup) {}
    TMsgButton Message(const QString&, const QString&, TMsgIcon, TMsgButtons buttons) override
    {
        if (buttons.testFlag(TMsgButton::Yes)) return FYes ? TMsgButton::Yes : TMsgButton::No;
        return TMsgButton::Ok;
    }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }

private:
    bool FYes;
};

// The largest plan (50 points) and the longest project text the model writes.
struct TExchangeCounts {
    long long Requests = 0;
    long long ProjectLines = 0;
};

TExchangeCounts LargestCounts()
{
    static const TExchangeCounts counts = [] {
        const TFixedIdentity identity;  // no instrument yet: 50 points
        TLineList lines;
        TProfile profile(&lines, identity);
        profile.SetDefaults();
        profile.WriteProject(&lines, "bound.pro", "now");
        TExchangeCounts c;
        for (const TReadArea& area : ReadPlan(profile)) c.Requests += static_cast<long long>(area.Requests.size());
        c.ProjectLines = static_cast<long long>(lines.size());
        return c;
    }();
    return counts;
}

constexpr long long ReadsPerExchange =
    3LL * (TSerialPort::MaxMisses + TSerialPort::MaxDroppedBytes) + TEquipmentLink::ReadReplyLength;

// Runs one operation and holds it to its bounds: at most exchanges exchanges.
template <typename Operation>
void Check(TLine& line, const char* name, long long exchanges, Operation run)
{
    const long long readsBefore = line.Reads;
    const long long writesBefore = line.Writes;
    run();
    const long long reads = line.Reads - readsBefore;
    const long long writes = line.Writes - writesBefore;
    if (line.OpenDevices != 0 || reads > exchanges * ReadsPerExchange || writes > exchanges) std::fprintf(stderr, "%s: ", name);
    if (line.OpenDevices != 0) Fail("ports left open", line.OpenDevices, 0);
    if (reads > exchanges * ReadsPerExchange) Fail("more reads than the exchanges allow", reads, exchanges * ReadsPerExchange);
    if (writes > exchanges) Fail("more lines written than the exchanges allow", writes, exchanges);
}

const QString& BackupFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orvantis-fuzz-XXXXXX"));
    static const QString path = folder.path();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::uint8_t switches = data[0];
    TLine line;
    line.Bytes = std::span<const std::uint8_t>(data + 1, size - 1);
    line.PresentPorts = 1 + (switches & 3);

    TSilentHost host;
    TFixedPrompter prompter((switches & 8) != 0);
    TSession session(host, prompter, [&line] { return std::make_unique<TFuzzDevice>(line); });
    TSendOptions options;
    options.BackUp = (switches & 4) != 0;
    options.BackupFolder = BackupFolder();
    options.PartLoadAccepted = false;
    options.ChangedOnly = (switches & 32) != 0;
    if (switches & 64) options.AcceptInstrument = [yes = (switches & 128) != 0](const QString&) { return yes; };
    session.SetSendOptions(options);

    // Identify asks for the name and the version and sends the access code.
    const long long detect = 3LL * line.PresentPorts;
    const TExchangeCounts largest = LargestCounts();
    Check(line, "Detect", detect, [&] { session.Detect(); });
    // Receive and Send look again when Detect found nothing.
    Check(line, "Receive", detect + 1 + largest.Requests, [&] { session.Receive(); });
    // The version, the name and version again when only what changed goes, a
    // backup (the access code and the plan), the access code, the lines and
    // "*RST".
    const long long again = options.ChangedOnly ? 2 : 0;
    Check(line, "Send", detect + 1 + again + (1 + largest.Requests) + 1 + largest.ProjectLines + 1,
          [&] { session.Send(); });
    if (!session.LastBackup().isEmpty()) QFile::remove(session.LastBackup());
    if (switches & 16)
        Check(line, "Compare", detect + 1 + largest.Requests, [&] { session.Compare(); });
    return 0;
}
