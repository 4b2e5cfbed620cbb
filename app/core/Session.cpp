#include "Session.h"

#include "TimeText.h"

namespace orvantis {

TSession::TSession(ISessionHost& host, IPrompter& prompter, TDeviceFactory deviceFactory)
    : FHost(host),
      FPrompter(prompter),
      FLinkLog([&host](const QString& line) { host.Log(line); }),
      FLink(std::move(deviceFactory)),
      FProject(FLink, prompter, [&host](const QString& line) { host.Log(line); })
{
    FLink.AddObserver(FLinkLog);
    FLink.AddObserver(host);
}

bool TSession::Detect()
{
    return FLink.Detect();
}

// Send and Receive look for the instrument themselves when none is known.
bool TSession::FindInstrument(const QString& errorLine)
{
    if (!FLink.IsDetected()) FLink.RunDetect();
    if (FLink.IsDetected()) return true;
    FHost.Beep();
    FHost.Log(errorLine);
    return false;
}

TTransferResult TSession::Unable(const QString& text)
{
    FPrompter.Message(QStringLiteral("Orvantis error"), text, TMsgIcon::Error);
    return TTransferResult::Failed;
}

TTransferResult TSession::RunOperation(const QString& name, const std::function<TTransferResult()>& body)
{
    TLinkOperation operation(FLink);
    if (!operation.Started()) return TTransferResult::Busy;
    FHost.Log(QStringLiteral("Tools: %1 started at ").arg(name) + NowText());
    const TTransferResult result = body();
    FHost.Log(QStringLiteral("Tools: %1 exit at ").arg(name) + NowText());
    return result;
}

TTransferResult TSession::Receive()
{
    return RunOperation(QStringLiteral("receive data"), [this] {
        if (!FProject.QuerySave()) return TTransferResult::Cancelled;

        FProject.Drop();
        FProject.Profile().SetDefaults();
        FHost.ProjectChanged();

        if (!FindInstrument(QStringLiteral("ERROR: unable to receive data. Check connection"))) {
            FProject.DropModel();
            FHost.ProjectChanged();
            return TTransferResult::NoInstrument;
        }

        TTransferResult result = TTransferResult::Failed;
        try {
            result = ReadInstrument();
        } catch (...) {
            result = Unable(QStringLiteral("Unable to receive data"));
        }
        FLink.CloseExchange();
        // Whatever was read stays in the model, to edit and send.
        FProject.ModelReceived();
        FHost.ProjectChanged();
        return result;
    });
}

TTransferResult TSession::ReadInstrument()
{
    const TExchangeStart start = FLink.OpenExchange();
    if (!start.HasPort) return Unable(QStringLiteral("Unable to receive data"));
    if (!start.Problem.isEmpty()) FHost.Log(start.Problem);

    if (FLink.ReadAreas(ReadPlan(FProject.Profile()), FProject.Profile()) > 0) {
        FPrompter.Message(QStringLiteral("Warning"), QStringLiteral("Error loading equipment data. Using default."),
                          TMsgIcon::Warning);
        return TTransferResult::Incomplete;
    }
    FHost.Log(QStringLiteral("received data from remote equipment"));
    FProject.AdoptReceived();
    return TTransferResult::Complete;
}

TTransferResult TSession::Send()
{
    return RunOperation(QStringLiteral("send data"), [this] {
        if (!FindInstrument(QStringLiteral("ERROR: unable to send data. Check connection")))
            return TTransferResult::NoInstrument;

        TTransferResult result = TTransferResult::Failed;
        try {
            result = WriteInstrument();
        } catch (...) {
            result = Unable(QStringLiteral("Unable to send data"));
        }
        FLink.CloseExchange();
        return result;
    });
}

TTransferResult TSession::WriteInstrument()
{
    const TExchangeStart start = FLink.OpenExchange(false);
    if (!start.HasPort) return Unable(QStringLiteral("Unable to send data"));
    if (!start.Problem.isEmpty()) FHost.Log(start.Problem);

    // The model's point count follows the version read here.
    FLink.RefreshVersion();
    // A copy: the lines sent are the text as it stood when the send began.
    const TLineList lines = FProject.Regenerate();
    FLink.SendAccessCode();

    const TLinesSent sent = FLink.WriteLines(lines);
    if (!sent.Complete) return TTransferResult::Incomplete;
    FHost.Log(FProject.FileName() + QStringLiteral(" sent to remote equipment"));
    FHost.Log(QStringLiteral("processed %1 data lines of %2").arg(sent.RecordLines).arg(sent.LineCount));
    FLink.ResetInstrument();
    return TTransferResult::Complete;
}

}  // namespace orvantis
