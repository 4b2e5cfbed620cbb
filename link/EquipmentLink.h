#pragma once
// TEquipmentLink: where the instrument is and what it is, and the Detect
// command that finds it. It owns the one serial port object of the program:
// detection creates a new one and leaves it closed; Send and Receive open a
// new one on the detected port (OpenExchange) and close it at their end.
//
// One instrument operation runs at a time (TLinkOperation): Detect, Send and
// Receive share the port object and the model.

#include "EquipmentIdentity.h"
#include "LinkHost.h"
#include "SerialPort.h"

#include <functional>
#include <memory>

namespace orvantis {

using TDeviceFactory = std::function<std::unique_ptr<ISerialDevice>()>;

// Qt SerialPort devices, for the program.
std::unique_ptr<ISerialDevice> MakeQtSerialDevice();

class TEquipmentLink : public IEquipmentIdentity {
public:
    static constexpr int DetectImageNotUsed = 13;
    static constexpr int DetectImageFound = 14;
    static constexpr int PortCount = 40;
    static constexpr int NameLength = 16;
    static constexpr int VersionTextLength = 18;
    static constexpr int IdentifyReplyLength = 32;
    static inline const char* AccessCode = "*58203";

    explicit TEquipmentLink(ILinkHost& host, TDeviceFactory factory = MakeQtSerialDevice);
    ~TEquipmentLink() override;

    // The identity of the last instrument that answered with a known name.
    int GetEquipmentModel() const override { return FEquipmentModel; }
    float GetEquipmentVersion() const override { return FEquipmentVersion; }
    void SetEquipmentVersion(float version) { FEquipmentVersion = version; }
    QString EquipmentName() const { return QString::fromLatin1(FEquipmentName); }
    QString EquipmentVersionText() const { return QString::fromLatin1(FEquipmentVersionText); }

    bool IsDetected() const { return FDetected; }
    // 0..39 for COM1..COM40, -1 when no instrument was found.
    int PortIndex() const { return FPortIndex; }
    // "COM3" while an instrument is found, else empty.
    QString PortName() const;

    // True while Detect, Send or Receive runs.
    bool IsBusy() const { return FBusy; }

    // The Detect command: tries COM1 to COM40 until an accepted instrument
    // answers. Returns whether one was found; does nothing and returns false
    // while another operation runs.
    bool Detect();
    // The same, for an operation that already holds the link.
    void RunDetect();
    // Asks the instrument on an open, configured port who it is; true when it
    // is one this program serves (it has then been sent the access code).
    bool Identify(TSerialPort& port);

    // Send and Receive: a new port object opened on the detected port, with
    // the access code sent if asked (outcomes not examined); null when it
    // cannot be made.
    TSerialPort* OpenExchange(bool sendAccessCode = true);
    // Closes and deletes the port object.
    void CloseExchange();

private:
    friend class TLinkOperation;
    std::unique_ptr<TSerialPort> MakePort(int index);

    ILinkHost& FHost;
    TDeviceFactory FFactory;
    std::unique_ptr<TSerialPort> FPort;
    bool FBusy = false;
    bool FDetected = false;
    int FPortIndex = -1;
    int FEquipmentModel = 0;
    char FEquipmentName[NameLength + 1] = {};
    char FEquipmentVersionText[VersionTextLength + 1] = {};
    float FEquipmentVersion = 3.0f;
};

// The version number and text (at most VersionTextLength characters) of a
// "*?VER" reply, from its first decimal digit on; false when it has no digit.
bool VersionOfReply(const char* reply, float& version, char (&text)[TEquipmentLink::VersionTextLength + 1]);

// Holds the link for one instrument operation; Started() is false when
// another operation holds it already.
class TLinkOperation {
public:
    explicit TLinkOperation(TEquipmentLink& link) : FLink(link), FStarted(!link.FBusy) { if (FStarted) link.FBusy = true; }
    ~TLinkOperation() { if (FStarted) FLink.FBusy = false; }
    TLinkOperation(const TLinkOperation&) = delete;
    TLinkOperation& operator=(const TLinkOperation&) = delete;
    bool Started() const { return FStarted; }

private:
    TEquipmentLink& FLink;
    bool FStarted;
};

}  // namespace orvantis
