#include "EquipmentLink.h"

#include "ModelTable.h"
#include "PortMap.h"
#include "QtSerialDevice.h"

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

std::unique_ptr<ISerialDevice> MakeQtSerialDevice()
{
    return std::make_unique<TQtSerialDevice>();
}

TEquipmentLink::TEquipmentLink(ILinkHost& host, TDeviceFactory factory) : FHost(host), FFactory(std::move(factory))
{
}

TEquipmentLink::~TEquipmentLink() = default;

QString TEquipmentLink::PortName() const
{
    return FDetected ? ComPortName(FPortIndex) : QString();
}

std::unique_ptr<TSerialPort> TEquipmentLink::MakePort(int index)
{
    std::unique_ptr<ISerialDevice> device = FFactory ? FFactory() : nullptr;
    if (!device) return nullptr;
    return std::make_unique<TSerialPort>(index, std::move(device));
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
    FHost.Log(QStringLiteral("Detecting equipment and COM port"));
    FHost.ProcessPendingInput();

    FPort.reset();
    FPort = MakePort(0);
    if (!FPort) {
        FHost.Log(QStringLiteral("Unable to create object port"));
        return;
    }
    FDetected = false;
    FPortIndex = -1;
    FHost.SetStatusPanel(1, QString());
    FHost.SetStatusPanel(2, QString());

    for (int index = 0; index < PortCount; ++index) {
        FPort->SelectPort(static_cast<unsigned>(index));
        const QString name = QString::fromLatin1(FPort->GetPortName());
        if (!FPort->Open()) {
            FHost.Log(QStringLiteral("%1 not available").arg(name));
            continue;
        }
        FHost.ProcessPendingInput();
        FPort->Configure();
        if (Identify(*FPort)) {
            FHost.SetDetectImage(DetectImageFound);
            FHost.Log(QStringLiteral("%1 -> %2 ver%3").arg(name, EquipmentName(), EquipmentVersionText()));
            FDetected = true;
            FPortIndex = static_cast<int>(FPort->GetPortIndex());
            break;
        }
        FHost.SetDetectImage(DetectImageNotUsed);
        FHost.Log(QStringLiteral("%1 -> not used").arg(name));
        FPort->Close();
    }

    if (FDetected) {
        FPort->SelectPort(static_cast<unsigned>(FPortIndex));
        FHost.SetStatusPanel(1, EquipmentName());
        FHost.SetStatusPanel(2, QString::fromLatin1(FPort->GetPortName()));
    }
}

TSerialPort* TEquipmentLink::OpenExchange(bool sendAccessCode)
{
    FPort.reset();
    FPort = MakePort(FPortIndex);
    if (!FPort) return nullptr;
    FPort->SelectPort(static_cast<unsigned>(FPortIndex));
    FPort->Open();
    FPort->Configure();
    if (sendAccessCode) FPort->SendCommand(AccessCode);
    return FPort.get();
}

void TEquipmentLink::CloseExchange()
{
    if (FPort) FPort->Close();
    FPort.reset();
}

}  // namespace orvantis
