#pragma once
// Serial devices for the link tests, without real waiting:
// - TScriptedDevice plays back a list of reads (bytes, empty reads, failures)
//   and records everything done to it;
// - TInstrumentDevice puts a simulated instrument behind each COM name.

#include "SerialDevice.h"
#include "SessionHost.h"
#include "SimInstrument.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

#include <deque>
#include <memory>

namespace orvantis::test {

inline constexpr int EmptyRead = -1;
inline constexpr int FailedRead = -2;

struct TDeviceRecord {
    std::deque<int> Reads;      // bytes 0..255, EmptyRead, FailedRead; then empty reads
    bool OpenSucceeds = true;
    bool LineSucceeds = true;
    bool ModemLinesSucceed = true;
    bool Open = false;
    QString OpenedName;
    QByteArray Written;
    QStringList Calls;          // "open COM3", "purge", "line", "dtr 1", "rts 0", "close"
    int ReadCalls = 0;

    void QueueBytes(const QByteArray& bytes)
    {
        for (char c : bytes) Reads.push_back(static_cast<unsigned char>(c));
    }
    void QueueEmpty(int count) { Reads.insert(Reads.end(), count, EmptyRead); }
};

class TScriptedDevice : public ISerialDevice {
public:
    explicit TScriptedDevice(TDeviceRecord& record) : R(record) {}
    bool Open(const TPortAddress& address) override;
    QString ErrorString() const override { return QStringLiteral("scripted failure"); }
    bool IsOpen() const override { return R.Open; }
    void Close() override;
    bool SetLine() override;
    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;
    bool Purge() override;
    bool Write(const char* data, int size) override;
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;

private:
    TDeviceRecord& R;
};

// COM name -> the instrument on that port; names not in the map do not open.
using TInstrumentPorts = QMap<QString, std::shared_ptr<sim::TSimInstrument>>;

class TInstrumentDevice : public ISerialDevice {
public:
    explicit TInstrumentDevice(const TInstrumentPorts& ports, QStringList* opened = nullptr)
        : FPorts(ports), FOpened(opened) {}
    bool Open(const TPortAddress& address) override;
    QString ErrorString() const override { return QStringLiteral("no instrument on this port"); }
    bool IsOpen() const override { return FInstrument != nullptr; }
    void Close() override { FInstrument.reset(); FPending.clear(); }
    bool SetLine() override { return true; }
    bool SetDtr(bool) override { return false; }  // as on a pseudo-terminal
    bool SetRts(bool) override { return false; }
    bool Purge() override { FPending.clear(); return true; }
    bool Write(const char* data, int size) override;
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;

private:
    const TInstrumentPorts& FPorts;
    QStringList* FOpened;
    std::shared_ptr<sim::TSimInstrument> FInstrument;
    QByteArray FPending;
};

std::shared_ptr<sim::TSimInstrument> MakeInstrument(const QByteArray& nameReply,
                                                    const QByteArray& versionReply = "*VER 1.20",
                                                    sim::TFaults faults = {});

// Records what the link and the operations tell their host: the log lines,
// and the link's events in a few words ("search", "COM1 not used",
// "COM2 found OV+ ISDB-T").
class TRecordingHost : public ISessionHost {
public:
    void Log(const QString& line) override { Lines << line; }
    void Beep() override { ++Beeps; }
    void ProjectChanged() override { ++ProjectChanges; }
    void SearchStarted() override { Events << QStringLiteral("search"); }
    void PortNotUsed(const QString& port) override { Events << port + QStringLiteral(" not used"); }
    void InstrumentFound(const TInstrumentInfo& found) override
    {
        Events << QStringLiteral("%1 found %2").arg(found.Port, found.Name);
    }
    void Waiting() override { ++Processed; }
    void Progress(int done, int total) override { LastProgress = {done, total}; ++ProgressCalls; }

    QStringList Lines;
    QStringList Events;
    int Processed = 0;
    int Beeps = 0;
    int ProjectChanges = 0;
    std::pair<int, int> LastProgress{-1, -1};
    int ProgressCalls = 0;
};

}  // namespace orvantis::test
