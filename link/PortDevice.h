#pragma once
// The one way from a port address to a device. A new kind of port is a new
// ISerialDevice and one more branch in MakePortDevice.

#include "SerialDevice.h"

#include <functional>
#include <memory>

namespace orvantis {

// A closed device of the kind that address calls for: Qt SerialPort for a
// COM port, a network device for tcp:// and rfc2217://.
std::unique_ptr<ISerialDevice> MakePortDevice(const TPortAddress& address);

// The device of the program: each Open makes the device its address calls
// for (MakePortDevice) and the other calls go to it, so that one port object
// can try ports of every kind in turn.
class TPortDevice : public ISerialDevice {
public:
    bool Open(const TPortAddress& address) override;
    QString ErrorString() const override { return FDevice ? FDevice->ErrorString() : FError; }
    int ErrorNumber() const override { return FDevice ? FDevice->ErrorNumber() : FErrorNumber; }
    bool IsOpen() const override { return FDevice && FDevice->IsOpen(); }
    void Close() override;
    bool SetLine() override { return FDevice && FDevice->SetLine(); }
    bool SetDtr(bool on) override { return FDevice && FDevice->SetDtr(on); }
    bool SetRts(bool on) override { return FDevice && FDevice->SetRts(on); }
    bool Purge() override { return FDevice && FDevice->Purge(); }
    bool Write(const char* data, int size) override { return FDevice && FDevice->Write(data, size); }
    TReadResult ReadByte(std::uint8_t& byte, int timeoutMs) override;
    void WatchReads(std::function<void(TReadResult)> event) override;
    QByteArray TakeAvailable() override { return FDevice ? FDevice->TakeAvailable() : QByteArray(); }

private:
    std::unique_ptr<ISerialDevice> FDevice;
    QString FError;
    int FErrorNumber = 0;
};

using TDeviceFactory = std::function<std::unique_ptr<ISerialDevice>()>;

// A TPortDevice: the device factory of the program.
std::unique_ptr<ISerialDevice> MakeProgramDevice();

}  // namespace orvantis
