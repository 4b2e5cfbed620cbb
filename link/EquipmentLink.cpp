#include "EquipmentLink.h"

#include "ModelTable.h"
#include "ProjectLines.h"

#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QThread>

#include <charconv>
#include <cstring>

namespace orvantis {

namespace {

constexpr int ReplyBufferSize = 256;

char UpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The name in a "*?NAM" reply: after the star and the character that
// follows it, an optional "A", an optional "M" and blanks ("*NAM OV+ DVB-T2").
// False when the reply has no star or nothing after it.
bool NameOfReply(const char* reply, char (&name)[TEquipmentLink::NameLength + 1])
{
    const char* star = std::strchr(reply, '*');
    if (!star || star[1] == '\0') return false;
    const char* p = star + 2;
    if (*p == 'A') ++p;
    if (*p == 'M') ++p;
    while (*p == ' ') ++p;
    int n = 0;
    for (; n < TEquipmentLink::NameLength && p[n] != '\0'; ++n) name[n] = UpperAscii(p[n]);
    name[n] = '\0';
    return true;
}

}  // namespace

// The version in a "*?VER" reply, from its first decimal digit on.
bool VersionOfReply(const char* reply, float& version, char (&text)[TEquipmentLink::VersionTextLength + 1])
{
    const char* digit = std::strpbrk(reply, "0123456789");
    if (!digit) return false;
    // Not strtod: the user's locale may want a decimal comma.
    float value = 0.0f;
    std::from_chars(digit, digit + std::strlen(digit), value);
    version = value;
    std::strncpy(text, digit, TEquipmentLink::VersionTextLength);
    text[TEquipmentLink::VersionTextLength] = '\0';
    return true;
}

TEquipmentLink::TEquipmentLink(TDeviceFactory factory) : FFactory(std::move(factory))
{
}

TEquipmentLink::~TEquipmentLink() = default;

QString TEquipmentLink::PortName() const
{
    return FDetected && FPortAddress ? FPortAddress->Name() : QString();
}

QList<TPortAddress> TEquipmentLink::DetectPorts() const
{
    return FBoundPort ? QList<TPortAddress>{*FBoundPort} : ComPorts() + FNetworkPorts;
}

std::unique_ptr<TSerialPort> TEquipmentLink::MakePort(const TPortAddress& address)
{
    std::unique_ptr<ISerialDevice> device = FFactory ? FFactory() : nullptr;
    if (!device) return nullptr;
    FLossTold = false;
    return std::make_unique<TSerialPort>(address, std::move(device));
}

TInstrumentInfo TEquipmentLink::FoundInstrument() const
{
    return {FPortAddress ? FPortAddress->Name() : QString(), EquipmentName(), EquipmentVersionText(), FEquipmentModel, FEquipmentVersion};
}

bool TEquipmentLink::Identify(TSerialPort& port)
{
    char reply[ReplyBufferSize] = "*?NAM";
    if (!port.Query(reply, IdentifyReplyLength) || reply[0] == '\0') return false;
    char name[NameLength + 1] = {};
    if (!NameOfReply(reply, name)) return false;
    const int row = ModelRow(name);

    // Without a usable version reply the instrument counts as version 3.0,
    // the value the program assumes before any instrument has answered.
    float version = 3.0f;
    char versionText[VersionTextLength + 1] = {};
    std::strcpy(reply, "*?VER");
    if (port.Query(reply, IdentifyReplyLength) && reply[0] != '\0') VersionOfReply(reply, version, versionText);

    if (row == ModelRowUnknown) return false;
    FEquipmentModel = row;
    std::memcpy(FEquipmentName, name, sizeof FEquipmentName);
    FEquipmentVersion = version;
    std::memcpy(FEquipmentVersionText, versionText, sizeof FEquipmentVersionText);
    if (!IsAcceptedModel(row)) return false;
    port.SendCommand(AccessCode);
    return true;
}

bool TEquipmentLink::Detect()
{
    TLinkOperation operation(*this);
    if (!operation.Started()) return false;
    RunDetect();
    return FDetected;
}

void TEquipmentLink::RunDetect()
{
    Tell([](ILinkObserver& o) { o.DetectionStarted(); });
    Tell([](ILinkObserver& o) { o.Waiting(); });

    const QList<TPortAddress> ports = DetectPorts();
    FPort.reset();
    FPort = MakePort(ports.value(0, TPortAddress::Com(1)));
    if (!FPort) {
        Tell([](ILinkObserver& o) { o.PortObjectFailed(); });
        return;
    }
    FDetected = false;
    FPortAddress.reset();
    Tell([](ILinkObserver& o) { o.SearchStarted(); });

    for (const TPortAddress& address : ports) {
        FPort->SelectPort(address);
        const QString name = address.Name();
        if (!FPort->Open()) {
            const QString reason = FPort->ErrorString();
            Tell([&](ILinkObserver& o) { o.PortUnavailable(name, reason); });
            continue;
        }
        Tell([](ILinkObserver& o) { o.Waiting(); });
        FPort->Configure();
        if (Identify(*FPort)) {
            FDetected = true;
            FPortAddress = address;
            break;
        }
        // A network port whose server hung up (ser2net's "Port already in
        // use") was not reached: say so, with the reason.
        if (address.Kind() != TPortAddress::TKind::Com && FPort->LastFault() == TExchangeFault::LineLost) {
            const QString reason = FPort->ErrorString();
            Tell([&](ILinkObserver& o) { o.PortUnavailable(name, reason); });
        } else {
            Tell([&](ILinkObserver& o) { o.PortNotUsed(name); });
        }
        FPort->Close();
    }

    if (FDetected) {
        FPort->SelectPort(*FPortAddress);
        const TInstrumentInfo found = FoundInstrument();
        Tell([&](ILinkObserver& o) { o.InstrumentFound(found); });
    }
}

TExchangeStart TEquipmentLink::OpenExchange(bool sendAccessCode)
{
    FPort.reset();
    // Without a find, the port table's choice for no port: COM2.
    FPort = MakePort(FPortAddress.value_or(TPortAddress::Com(2)));
    if (!FPort) return {};
    TExchangeStart start{true, {}};
    const QString name = QString::fromLatin1(FPort->GetPortName());
    if (!FPort->Open())
        start.Problem = QStringLiteral("%1 could not be opened: %2").arg(name, FPort->ErrorString());
    else if (!FPort->Configure())
        start.Problem = QStringLiteral("%1 could not be set up: %2").arg(name, FPort->ErrorString());
    if (sendAccessCode) SendAccessCode();
    return start;
}

void TEquipmentLink::SendAccessCode()
{
    if (FPort) FPort->SendCommand(AccessCode);
}

void TEquipmentLink::RefreshVersion()
{
    if (!FPort) return;
    char buffer[ReplyBufferSize] = "*?VER";
    char versionText[VersionTextLength + 1];
    float version = 0.0f;
    if (FPort->Query(buffer, IdentifyReplyLength) && buffer[0] != '\0' && VersionOfReply(buffer, version, versionText))
        FEquipmentVersion = version;
}

bool TEquipmentLink::StillTheDetectedInstrument()
{
    if (!FPort) return false;
    char reply[ReplyBufferSize] = "*?NAM";
    char name[NameLength + 1] = {};
    if (!FPort->Query(reply, IdentifyReplyLength) || !NameOfReply(reply, name) || std::strcmp(name, FEquipmentName) != 0)
        return false;
    std::strcpy(reply, "*?VER");
    char versionText[VersionTextLength + 1] = {};
    float version = 0.0f;
    return FPort->Query(reply, IdentifyReplyLength) && VersionOfReply(reply, version, versionText) &&
           std::strcmp(versionText, FEquipmentVersionText) == 0;
}

int TEquipmentLink::ReadAreas(const std::vector<TReadArea>& plan, TProfile& model)
{
    const auto progressEnd = qScopeGuard([this] { Tell([](ILinkObserver& o) { o.Progress(0, 0); }); });
    int total = 0;
    for (const TReadArea& area : plan) total += static_cast<int>(area.Requests.size());
    int done = 0;
    int failed = 0;
    for (const TReadArea& area : plan)
        if (!ReadArea(area, model, done, total)) ++failed;
    return failed;
}

bool TEquipmentLink::ReadArea(const TReadArea& area, TProfile& model, int& done, int total)
{
    Tell([&](ILinkObserver& o) { o.AreaStarted(area.Area); });
    for (const TReadRequest& request : area.Requests) {
        Tell([](ILinkObserver& o) { o.Waiting(); });
        char buffer[ReplyBufferSize];
        const std::string asked = ReadRequestText(request);
        std::strcpy(buffer, asked.c_str());
        const bool answered = FPort && FPort->Query(buffer, ReadReplyLength) && buffer[0] != '\0';
        if (!answered) TellFault(asked);
        Tell([&](ILinkObserver& o) { o.ReplyRead(buffer); });
        ++done;
        Tell([&](ILinkObserver& o) { o.Progress(done, total); });
        if (!answered) return false;
        // The first four characters ("*E2P") are not data.
        const std::size_t length = std::strlen(buffer);
        const std::string_view data = length > 4 ? std::string_view(buffer + 4, length - 4) : std::string_view();
        model.ParseRecord(request.Address, data);
    }
    return true;
}

TLinesSent TEquipmentLink::WriteLines(const TLineList& lines)
{
    const auto progressEnd = qScopeGuard([this] { Tell([](ILinkObserver& o) { o.Progress(0, 0); }); });
    TLinesSent sent;
    sent.LineCount = static_cast<int>(lines.size());
    for (int i = 0; i < sent.LineCount; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        const TProjectLine read = ClassifyLine(line);
        bool accepted = read.Kind != TLineKind::BadSend;
        if (read.Kind == TLineKind::Send && IsRecordCommand(read.Command)) {
            ++sent.RecordLines;
            std::string command(read.Command);
            for (char& c : command)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            accepted = FPort && FPort->SendCommand(command.c_str());
            if (!accepted) TellFault(command);
        }
        Tell([&](ILinkObserver& o) { o.Progress(i + 1, sent.LineCount); });
        Tell([&](ILinkObserver& o) { o.LineSent(line, accepted); });
        if (!accepted) return sent;
    }
    sent.Complete = true;
    return sent;
}

void TEquipmentLink::TellFault(std::string_view command)
{
    TExchangeFault fault = FPort ? FPort->LastFault() : TExchangeFault::LineLost;
    if (fault == TExchangeFault::None) fault = TExchangeFault::NoAnswer;  // acknowledged, but no reply line
    Tell([&](ILinkObserver& o) { o.ExchangeFailed(command, fault); });
    if (fault == TExchangeFault::LineLost && FPort && FPort->Address().Kind() != TPortAddress::TKind::Com && !FLossTold) {
        FLossTold = true;
        const QString port = FPort->Address().Name();
        const QString reason = FPort->ErrorString();
        Tell([&](ILinkObserver& o) { o.ConnectionLost(port, reason); });
    }
}

void TEquipmentLink::ResetInstrument()
{
    if (FPort) FPort->SendCommand("*RST");
}

void TEquipmentLink::CloseExchange()
{
    if (FPort) FPort->Close();
    FPort.reset();
}

bool TEquipmentLink::AwaitInstrument(int timeoutMs)
{
    if (!FPortAddress) return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        FPort = MakePort(*FPortAddress);
        if (!FPort) return false;
        bool answered = false;
        if (FPort->Open()) {
            FPort->Configure();
            answered = Identify(*FPort);
        }
        CloseExchange();
        if (answered) return true;
        if (deadline.hasExpired()) return false;
        // A port that is not there (an adapter coming back) fails at once.
        QThread::msleep(100);
    }
}

}  // namespace orvantis
