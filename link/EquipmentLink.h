#pragma once
// TEquipmentLink: where the instrument is and what it is, the Detect command
// that finds it, and the exchanges with it: reading the EEPROM areas and
// writing project lines. It owns the one serial port object of the program:
// detection creates a new one and leaves it closed; Send and Receive open a
// new one on the detected port (OpenExchange) and close it at their end.
//
// The link shows nothing and logs nothing: it tells its observers what
// happens (LinkObserver.h). One instrument operation runs at a time
// (TLinkOperation): Detect, Send and Receive share the port object and the
// model.

#include "EquipmentIdentity.h"
#include "LinkObserver.h"
#include "PortDevice.h"
#include "Profile.h"
#include "ReadPlan.h"
#include "SerialPort.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace orvantis {

// How an exchange's port came up.
struct TExchangeStart {
    bool HasPort = false;  // false only when no port object could be made
    QString Problem;       // why the port could not be opened or configured; empty when ready
};

// What became of the project lines that WriteLines sent.
struct TLinesSent {
    bool Complete = false;  // every line accepted
    int RecordLines = 0;    // lines whose command began with "*E2P"
    int LineCount = 0;      // all lines of the text
};

class TEquipmentLink : public IEquipmentIdentity {
public:
    static constexpr int NameLength = 16;
    static constexpr int VersionTextLength = 18;
    static constexpr int IdentifyReplyLength = 32;
    static constexpr int ReadReplyLength = 100;
    static inline const char* AccessCode = "*58203";

    explicit TEquipmentLink(TDeviceFactory factory = MakeProgramDevice);
    ~TEquipmentLink() override;

    // Observers are told in the order they were added; they outlive the link.
    void AddObserver(ILinkObserver& observer) { FObservers.push_back(&observer); }

    // The identity of the last instrument that answered with a known name.
    int GetEquipmentModel() const override { return FEquipmentModel; }
    float GetEquipmentVersion() const override { return FEquipmentVersion; }
    QString EquipmentName() const { return QString::fromLatin1(FEquipmentName); }
    QString EquipmentVersionText() const { return QString::fromLatin1(FEquipmentVersionText); }

    bool IsDetected() const { return FDetected; }
    // Where the instrument was found; nothing when it was not.
    const std::optional<TPortAddress>& PortAddress() const { return FPortAddress; }
    // 0..39 for COM1..COM40, -1 when no instrument was found on a COM port.
    int PortIndex() const { return FPortAddress ? FPortAddress->ComNumber() - 1 : -1; }
    // "COM3" while an instrument is found, else empty.
    QString PortName() const;

    // True while Detect, Send or Receive runs.
    bool IsBusy() const { return FBusy; }

    // The Detect command: tries the ports of DetectPorts() in turn until an
    // accepted instrument answers. Returns whether one was found; does nothing and returns false
    // while another operation runs.
    bool Detect();
    // A link bound to one port detects there alone, with the same events;
    // nothing (the default) tries every port again. An instrument of a batch
    // worked on at once has its own link, bound to its port.
    void BindToPort(std::optional<TPortAddress> address) { FBoundPort = std::move(address); }
    const std::optional<TPortAddress>& BoundPort() const { return FBoundPort; }
    // The ports Detect tries, in order: the bound port, else COM1 to COM40
    // and then the network ports.
    QList<TPortAddress> DetectPorts() const;
    // The ports served over the network that Detect tries after the COM ports.
    void SetNetworkPorts(QList<TPortAddress> ports) { FNetworkPorts = std::move(ports); }
    // The same, for an operation that already holds the link.
    void RunDetect();
    // Asks the instrument on an open, configured port who it is; true when it
    // is one this program serves (it has then been sent the access code).
    bool Identify(TSerialPort& port);

    // Send and Receive: a new port object opened on the detected port, with
    // the access code sent if asked (its outcome is not examined, nor is a
    // port that failed to come up: the exchanges then fail one by one).
    TExchangeStart OpenExchange(bool sendAccessCode = true);
    void SendAccessCode();
    // "*?VER" on the open exchange: the version number is refreshed when the
    // instrument answers with one; the version text stays.
    void RefreshVersion();
    // "*?NAM" and "*?VER" on the open exchange: true when the instrument
    // answers with the name and version text that detection recorded.
    bool StillTheDetectedInstrument();
    // Reads every area of the plan into the model, each whatever the earlier
    // ones gave; returns how many areas were not read whole.
    int ReadAreas(const std::vector<TReadArea>& plan, TProfile& model);
    // Sends the project lines in order, the record commands to the instrument,
    // and stops at the first line refused.
    TLinesSent WriteLines(const TLineList& lines);
    // "*RST": the instrument restarts with what it was sent.
    void ResetInstrument();
    // Closes and deletes the port object.
    void CloseExchange();
    // After "*RST" the instrument takes a moment to answer again: asks it who
    // it is on its port until it answers or timeoutMs have passed.
    bool AwaitInstrument(int timeoutMs);

private:
    friend class TLinkOperation;
    std::unique_ptr<TSerialPort> MakePort(const TPortAddress& address);
    bool ReadArea(const TReadArea& area, TProfile& model, int& done, int total);
    TInstrumentInfo FoundInstrument() const;
    template <typename Event>
    void Tell(Event event)
    {
        for (ILinkObserver* observer : FObservers) event(*observer);
    }
    void TellFault(std::string_view command);

    TDeviceFactory FFactory;
    std::vector<ILinkObserver*> FObservers;
    std::unique_ptr<TSerialPort> FPort;
    bool FBusy = false;
    bool FLossTold = false;  // ConnectionLost told for the port object
    bool FDetected = false;
    std::optional<TPortAddress> FPortAddress;
    std::optional<TPortAddress> FBoundPort;
    QList<TPortAddress> FNetworkPorts;
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
