#include "SerialPort.h"

#include <QtGlobal>

#include <cctype>
#include <cstdio>
#include <cstring>

namespace orvantis {

namespace {

constexpr int LineBufferSize = 256;

}  // namespace

TSerialPort::TSerialPort(int index, std::unique_ptr<ISerialDevice> device)
    : FDevice(std::move(device)), FTrace(qEnvironmentVariableIntValue("ORVANTIS_TRACE") != 0)
{
    SelectPort(static_cast<unsigned>(index));
}

TSerialPort::TSerialPort(const TPortAddress& address, std::unique_ptr<ISerialDevice> device)
    : FDevice(std::move(device)), FTrace(qEnvironmentVariableIntValue("ORVANTIS_TRACE") != 0)
{
    SelectPort(address);
}

TSerialPort::~TSerialPort()
{
    Close();
}

void TSerialPort::SelectPort(unsigned index)
{
    SelectPort(TPortAddress::Com(index < ComPortCount ? static_cast<int>(index) + 1 : 2));
    FIndex = index;
}

void TSerialPort::SelectPort(const TPortAddress& address)
{
    Close();
    FAddress = address;
    FIndex = static_cast<unsigned>(address.ComNumber() - 1);
    FName = address.Name().toLatin1();
}

bool TSerialPort::Open()
{
    if (FName.isEmpty()) return false;
    Close();
    if (!FDevice->Open(FAddress)) return false;
    if (FTrace) std::fprintf(stderr, "[trace] %s open\n", FName.constData());
    FDevice->Purge();
    return true;
}

bool TSerialPort::Configure()
{
    if (!FDevice->IsOpen() || !FDevice->SetLine()) return FLastResult = false;
    // A pseudo-terminal has no modem lines; the instrument does not need them.
    FDevice->SetDtr(true);
    FDevice->SetRts(true);
    return FLastResult = true;
}

void TSerialPort::Close()
{
    if (!FDevice->IsOpen()) return;
    TraceReads();
    FDevice->SetRts(false);
    FDevice->SetDtr(false);
    FDevice->Close();
    if (FTrace) std::fprintf(stderr, "[trace] %s closed\n", FName.constData());
}

bool TSerialPort::WriteLine(char* text)
{
    if (std::strlen(text) > MaxCommandLength) text[MaxCommandLength] = '\0';
    char line[LineBufferSize];
    const int size = std::snprintf(line, sizeof line, "%s\r\n", text);
    TraceReads();
    if (FTrace) std::fprintf(stderr, "[trace] %s W: %s\n", FName.constData(), QByteArray(line, size).toHex(' ').toUpper().constData());
    return FLastResult = FDevice->IsOpen() && FDevice->Write(line, size);
}

TReadResult TSerialPort::ReadOne(std::uint8_t& byte)
{
    if (!FDevice->IsOpen()) return TReadResult::Failed;
    const TReadResult result = FDevice->ReadByte(byte, ReadTimeoutMs);
    if (FTrace) {
        if (result == TReadResult::Byte)
            FTraceReads.append(static_cast<char>(byte));
        else
            TraceReads();
        if (result == TReadResult::Failed) std::fprintf(stderr, "[trace] %s read failed\n", FName.constData());
    }
    return result;
}

void TSerialPort::TraceReads()
{
    if (!FTrace || FTraceReads.isEmpty()) return;
    std::fprintf(stderr, "[trace] %s R: %s\n", FName.constData(), FTraceReads.toHex(' ').toUpper().constData());
    FTraceReads.clear();
}

bool TSerialPort::WaitForByte(std::uint8_t b)
{
    int misses = 0;
    int dropped = 0;
    bool failedReads = false;
    for (;;) {
        std::uint8_t byte = 0;
        const TReadResult read = ReadOne(byte);
        if (read != TReadResult::Byte) {
            FLastResult = false;
            failedReads = failedReads || read == TReadResult::Failed;
            if (++misses >= MaxMisses) {
                FLastFault = failedReads ? TExchangeFault::LineLost : TExchangeFault::NoAnswer;
                return false;
            }
            continue;
        }
        FLastResult = true;
        if (byte == b) return true;
        if (b == ACK && byte == NAK) {
            FLastFault = TExchangeFault::Refused;
            return FLastResult = false;
        }
        if (++dropped >= MaxDroppedBytes) {
            FLastFault = TExchangeFault::NoAnswer;
            return FLastResult = false;
        }
    }
}

bool TSerialPort::SendCommand(const char* command)
{
    FLastResult = false;
    FLastFault = TExchangeFault::None;
    char line[LineBufferSize];
    std::snprintf(line, sizeof line, "%s", command);
    if (!WaitForByte(XON)) return false;
    if (!WriteLine(line)) {
        FLastFault = TExchangeFault::LineLost;
        return false;
    }
    if (!WaitForByte(XOFF) || !WaitForByte(ACK)) return false;
    return FLastResult = true;
}

bool TSerialPort::ReadLine(char* buffer, int len)
{
    if (len <= 0) return FLastResult;
    // An empty read keeps the write position: a reply that pauses still
    // arrives whole, and the reads stay bounded by len.
    int pos = 0;
    for (int reads = 0; reads < len; ++reads) {
        std::uint8_t byte = 0;
        const TReadResult read = ReadOne(byte);
        if (read == TReadResult::Failed) {
            buffer[pos] = '\0';
            FLastFault = TExchangeFault::LineLost;
            return FLastResult = false;
        }
        if (read == TReadResult::Empty) continue;
        if (byte == 0x00 || byte == '\n' || byte == '\r') {
            buffer[pos] = '\0';
            return FLastResult = true;
        }
        if (byte == '\t')
            buffer[pos] = ' ';
        else if (byte < 0x80 && std::iscntrl(byte))
            buffer[pos] = '.';
        else
            buffer[pos] = static_cast<char>(byte);
        ++pos;
    }
    buffer[pos] = '\0';
    return FLastResult = true;
}

bool TSerialPort::Query(char* buffer, int len)
{
    FLastResult = false;
    if (!SendCommand(buffer)) return false;
    buffer[0] = '\0';
    return ReadLine(buffer, len);
}

}  // namespace orvantis
