#include "FakeDevices.h"

#include "EepromImage.h"

namespace orvantis::test {

bool TScriptedDevice::Open(const TPortAddress& address)
{
    const QString name = address.Name();
    R.Calls << QStringLiteral("open ") + name;
    R.OpenedName = name;
    R.Open = R.OpenSucceeds;
    return R.Open;
}

void TScriptedDevice::Close()
{
    R.Calls << QStringLiteral("close");
    R.Open = false;
}

bool TScriptedDevice::SetLine()
{
    R.Calls << QStringLiteral("line");
    return R.LineSucceeds;
}

bool TScriptedDevice::SetDtr(bool on)
{
    R.Calls << QStringLiteral("dtr %1").arg(on);
    return R.ModemLinesSucceed;
}

bool TScriptedDevice::SetRts(bool on)
{
    R.Calls << QStringLiteral("rts %1").arg(on);
    return R.ModemLinesSucceed;
}

bool TScriptedDevice::Purge()
{
    R.Calls << QStringLiteral("purge");
    return true;
}

bool TScriptedDevice::Write(const char* data, int size)
{
    R.Written.append(data, size);
    return true;
}

TReadResult TScriptedDevice::ReadByte(std::uint8_t& byte, int)
{
    ++R.ReadCalls;
    if (R.Reads.empty()) return TReadResult::Empty;
    const int next = R.Reads.front();
    R.Reads.pop_front();
    if (next == EmptyRead) return TReadResult::Empty;
    if (next == FailedRead) return TReadResult::Failed;
    byte = static_cast<std::uint8_t>(next);
    return TReadResult::Byte;
}

bool TInstrumentDevice::Open(const TPortAddress& address)
{
    const QString name = address.Name();
    if (FOpened) *FOpened << name;
    FInstrument = FPorts.value(name);
    return FInstrument != nullptr;
}

bool TInstrumentDevice::Write(const char* data, int size)
{
    FPending += FInstrument->Receive(QByteArray(data, size));
    return true;
}

TReadResult TInstrumentDevice::ReadByte(std::uint8_t& byte, int)
{
    if (FPending.isEmpty()) FPending = FInstrument->IdleOutput();
    if (FPending.isEmpty()) return TReadResult::Empty;
    byte = static_cast<std::uint8_t>(FPending.front());
    FPending.remove(0, 1);
    return TReadResult::Byte;
}

std::shared_ptr<sim::TSimInstrument> MakeInstrument(const QByteArray& nameReply, const QByteArray& versionReply,
                                                    sim::TFaults faults)
{
    return std::make_shared<sim::TSimInstrument>(nameReply, versionReply, sim::FactoryImage(15, 3.0f), faults);
}

}  // namespace orvantis::test
