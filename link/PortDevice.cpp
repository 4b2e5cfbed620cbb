#include "PortDevice.h"

#include "NetworkSerialDevice.h"
#include "QtSerialDevice.h"

namespace orvantis {

std::unique_ptr<ISerialDevice> MakePortDevice(const TPortAddress& address)
{
    switch (address.Kind()) {
    case TPortAddress::TKind::Com:
        return std::make_unique<TQtSerialDevice>();
    case TPortAddress::TKind::Tcp:
    case TPortAddress::TKind::Rfc2217:
        return std::make_unique<TNetworkSerialDevice>();
    }
    return nullptr;
}

bool TPortDevice::Open(const TPortAddress& address)
{
    Close();
    FDevice = MakePortDevice(address);
    if (!FDevice) {
        FError = QStringLiteral("no device serves %1").arg(address.Name());
        FErrorNumber = ENOENT;
        return false;
    }
    if (FDevice->Open(address)) return true;
    FError = FDevice->ErrorString();
    FErrorNumber = FDevice->ErrorNumber();
    FDevice.reset();
    return false;
}

void TPortDevice::Close()
{
    if (FDevice) FDevice->Close();
    FDevice.reset();
}

TReadResult TPortDevice::ReadByte(std::uint8_t& byte, int timeoutMs)
{
    return FDevice ? FDevice->ReadByte(byte, timeoutMs) : TReadResult::Failed;
}

void TPortDevice::WatchReads(std::function<void(TReadResult)> event)
{
    if (FDevice) FDevice->WatchReads(std::move(event));
}

std::unique_ptr<ISerialDevice> MakeProgramDevice()
{
    return std::make_unique<TPortDevice>();
}

}  // namespace orvantis
