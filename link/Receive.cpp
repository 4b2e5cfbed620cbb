#include "InstrumentTransfer.h"

#include "ReadPlan.h"
#include "TextCodec.h"
#include "TimeText.h"

#include <cstring>
#include <stdexcept>

namespace orvantis {

namespace {

constexpr int ReadReplyLength = 100;

class TAreaReader {
public:
    TAreaReader(TSerialPort& port, ILinkHost& host, TProfile& profile, int total)
        : FPort(port), FHost(host), FProfile(profile), FTotal(total) {}

    // True when every request of the area was answered.
    bool Read(const TReadArea& area)
    {
        FHost.Log(QString::fromLatin1(area.LogLine));
        for (const TReadRequest& request : area.Requests) {
            FHost.ProcessPendingInput();
            char buffer[256];
            std::strcpy(buffer, ReadRequestText(request).c_str());
            const bool answered = FPort.Query(buffer, ReadReplyLength) && buffer[0] != '\0';
            FHost.Log(DecodeText(buffer));
            FHost.ShowProgress(++FDone, FTotal);
            if (!answered) return false;
            // The first four characters ("*E2P") are not data.
            const std::size_t length = std::strlen(buffer);
            const std::string_view data = length > 4 ? std::string_view(buffer + 4, length - 4) : std::string_view();
            FProfile.ParseRecord(request.Address, data);
        }
        return true;
    }

private:
    TSerialPort& FPort;
    ILinkHost& FHost;
    TProfile& FProfile;
    int FTotal;
    int FDone = 0;
};

}  // namespace

TTransferResult ReceiveData(TEquipmentLink& link, ILinkHost& host, TProject& project, IPrompter& prompter)
{
    TLinkOperation operation(link);
    if (!operation.Started()) return TTransferResult::Busy;

    host.Log(QStringLiteral("Tools: receive data started at ") + NowText());
    auto exitLine = [&] { host.Log(QStringLiteral("Tools: receive data exit at ") + NowText()); };
    if (!project.QuerySave()) {
        exitLine();
        return TTransferResult::Cancelled;
    }

    project.Drop();
    project.Profile().SetDefaults();
    host.ProjectChanged();

    if (!link.IsDetected()) link.RunDetect();
    if (!link.IsDetected()) {
        host.Beep();
        host.Log(QStringLiteral("ERROR: unable to receive data. Check connection"));
        exitLine();
        return TTransferResult::NoInstrument;
    }

    TSerialPort* port = link.OpenExchange();
    TTransferResult result = TTransferResult::Complete;
    try {
        if (!port) throw std::runtime_error("no port object");
        const std::vector<TReadArea> plan = ReadPlan(project.Profile());
        int total = 0;
        for (const TReadArea& area : plan) total += static_cast<int>(area.Requests.size());
        TAreaReader reader(*port, host, project.Profile(), total);
        int failed = 0;
        for (const TReadArea& area : plan)
            if (!reader.Read(area)) ++failed;
        host.ShowProgress(0, 0);
        if (failed > 0) {
            result = TTransferResult::Incomplete;
            prompter.Message(QStringLiteral("Warning"), QStringLiteral("Error loading equipment data. Using default."),
                             TMsgIcon::Warning);
        } else {
            host.Log(QStringLiteral("received data from remote equipment"));
            project.AdoptReceived();
            host.ProjectChanged();
        }
    } catch (...) {
        host.ShowProgress(0, 0);
        result = TTransferResult::Failed;
        prompter.Message(QStringLiteral("Orvantis error"), QStringLiteral("Unable to receive data"), TMsgIcon::Error);
    }
    link.CloseExchange();
    exitLine();
    return result;
}

}  // namespace orvantis
