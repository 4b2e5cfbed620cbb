#include "FleetWorker.h"

#include "PortMap.h"
#include "TextCodec.h"
#include "UserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

namespace orvantis {

namespace {

QString FaultWords(TExchangeFault fault)
{
    switch (fault) {
    case TExchangeFault::Refused: return QStringLiteral("refused");
    case TExchangeFault::LineLost: return QStringLiteral("line lost");
    case TExchangeFault::NoAnswer:
    case TExchangeFault::None: break;
    }
    return QStringLiteral("no answer");
}

// The session's host in a worker: log lines and link events go out through
// the reporter, and what went wrong is kept for the port's row.
class TWorkerHost : public ISessionHost {
public:
    TWorkerHost(TFleetOperation operation, int port, const TPortAddress& address, TFleetReporter& reporter)
        : FOperation(operation), FPort(port), FPrefix(address.Name() + QStringLiteral(": ")), FReporter(reporter)
    {
    }

    void Log(const QString& line) override { emit FReporter.Logged(FPrefix + line); }
    void Beep() override {}
    void PortUnavailable(const QString&, const QString& reason) override
    {
        Unavailable = true;
        UnavailableReason = reason;
    }
    void InstrumentFound(const TInstrumentInfo& instrument) override
    {
        emit FReporter.InstrumentFound(FPort, instrument.Name, instrument.VersionText);
    }
    void AreaStarted(TArea) override
    {
        EnterPhase(FOperation == TFleetOperation::Send
                       ? QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "backing up"))
                       : QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "receiving")));
    }
    void LineSent(std::string_view, bool accepted) override
    {
        EnterPhase(QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "sending")));
        if (!accepted && FailedLine == 0) {
            FailedLine = FDone;
            LineCount = FTotal;
        }
    }
    void ExchangeFailed(std::string_view command, TExchangeFault fault) override
    {
        if (Faults++ > 0) return;
        FirstFault = fault;
        FirstFaultCommand = DecodeText(command);
    }
    void Progress(int done, int total) override
    {
        if (total > 0) {
            FDone = done;
            FTotal = total;
        }
        emit FReporter.Progress(FPort, done, total);
    }
    void EnterPhase(const QString& phase)
    {
        if (phase == FPhase) return;
        FPhase = phase;
        emit FReporter.PhaseChanged(FPort, phase);
    }

    bool Unavailable = false;
    QString UnavailableReason;
    int Faults = 0;
    TExchangeFault FirstFault = TExchangeFault::None;
    QString FirstFaultCommand;
    int FailedLine = 0;  // 1-based; 0 while none failed
    int LineCount = 0;

private:
    TFleetOperation FOperation;
    int FPort;
    QString FPrefix;
    TFleetReporter& FReporter;
    QString FPhase;
    int FDone = 0;
    int FTotal = 0;
};

// Nobody is there to answer: every message goes to the port's log, no
// question is answered yes, and the only file asked for is the project a
// receive saves.
class TWorkerPrompter : public IPrompter {
public:
    explicit TWorkerPrompter(TWorkerHost& host) : FHost(host) {}
    void SetSaveName(const QString& path) { FSaveName = path; }

    TMsgButton Message(const QString& caption, const QString& text, TMsgIcon, TMsgButtons buttons) override
    {
        LastText = text;
        FHost.Log(caption + QStringLiteral(": ") + QString(text).replace(QStringLiteral("\n\n"), QStringLiteral(": ")));
        return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::Ok;
    }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override
    {
        if (FSaveName.isEmpty()) return std::nullopt;
        return FSaveName;
    }

    QString LastText;

private:
    TWorkerHost& FHost;
    QString FSaveName;
};

// A message box's text in one line: "Unable to save the file: <reason>".
QString OneLine(const QString& text)
{
    return QString(text).replace(QStringLiteral("\n\n"), QStringLiteral(": ")).trimmed();
}

void SendTo(TSession& session, const TFleetJob& job, const TWorkerHost& host, const TWorkerPrompter& prompter,
            TFleetRow& row)
{
    TSendOptions options = job.SendOptions;
    options.PartLoadAccepted = true;
    // Nobody here can answer whether to send without a backup: nothing is
    // sent, and the one who started the fleet is told how to send without.
    options.AskToSendWithoutBackup = false;
    session.SetSendOptions(options);
    row.Result = session.Send();
    row.File = session.LastBackup();
    row.BackupProblem = session.BackupProblem();
    switch (row.Result) {
    case TTransferResult::Complete: row.Outcome = QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "sent")); break;
    case TTransferResult::Incomplete:
        row.Outcome = QStringLiteral("error at line %1 of %2 (%3)")
                          .arg(host.FailedLine)
                          .arg(host.LineCount)
                          .arg(host.Faults > 0 ? FaultWords(host.FirstFault) : QStringLiteral("no command"));
        break;
    case TTransferResult::Cancelled:
        row.Outcome = QStringLiteral("the instrument's settings could not be backed up: %1; nothing sent").arg(row.BackupProblem);
        break;
    default: row.Outcome = OneLine(prompter.LastText); break;
    }
}

void ReceiveFrom(TSession& session, const TFleetJob& job, const TWorkerHost& host, TWorkerPrompter& prompter,
                 TFleetRow& row)
{
    row.Result = session.Receive();
    if (row.Result == TTransferResult::Incomplete) {
        row.Outcome = QStringLiteral("%1 of 4 areas not read (%2 at %3)")
                          .arg(host.Faults)
                          .arg(FaultWords(host.FirstFault), host.FirstFaultCommand);
        return;
    }
    if (row.Result != TTransferResult::Complete) {
        row.Outcome = OneLine(prompter.LastText);
        return;
    }
    const QString path = QDir(job.ReceiveFolder).filePath(ReceivedFileName(row.Instrument, row.Port));
    prompter.SetSaveName(path);
    if (!session.Project().SaveAs()) {
        row.Result = TTransferResult::Failed;
        row.Outcome = QStringLiteral("received, not saved: ") + OneLine(prompter.LastText);
        return;
    }
    row.Outcome = QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "received"));
    row.File = path;
}

void Work(const TFleetJob& job, int port, TFleetReporter& reporter, TFleetRow& row)
{
    const TPortAddress& address = job.Ports[port];
    TWorkerHost host(job.Operation, port, address, reporter);
    TWorkerPrompter prompter(host);
    TSession session(host, prompter);
    session.Link().BindToPort(address);
    // As "send IN.pro" does: the project is in hand before the instrument is known.
    if (job.Operation == TFleetOperation::Send) session.Project().Take(job.ProjectText, job.ProjectName);

    host.EnterPhase(QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "detecting")));
    if (!session.Detect()) {
        // A device that is there but will not open (another program holds
        // it, no permission) may have an instrument behind it that this run
        // did not reach: a failure, not a port to skip.
        if (host.Unavailable && PortPresent(address)) {
            row.PortFailed = true;
            row.Result = TTransferResult::Failed;
            row.Outcome = QStringLiteral("not opened: ") + host.UnavailableReason;
            return;
        }
        row.Result = TTransferResult::NoInstrument;
        row.Outcome = host.Unavailable ? QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "not available"))
                                       : QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "not used"));
        return;
    }
    row.Instrument = session.Link().EquipmentName();
    row.VersionText = session.Link().EquipmentVersionText();
    switch (job.Operation) {
    case TFleetOperation::Detect:
        row.Result = TTransferResult::Complete;
        row.Outcome = QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "found"));
        break;
    case TFleetOperation::Send: SendTo(session, job, host, prompter, row); break;
    case TFleetOperation::Receive: ReceiveFrom(session, job, host, prompter, row); break;
    }
}

}  // namespace

TFleetRow RunFleetPort(const TFleetJob& job, int port, TFleetReporter& reporter)
{
    QElapsedTimer clock;
    clock.start();
    TFleetRow row;
    row.PortIndex = port;
    row.Port = job.Ports[port].Name();
    try {
        Work(job, port, reporter, row);
    } catch (...) {
        row.Result = TTransferResult::Failed;
        row.Outcome = QString::fromLatin1(QT_TRANSLATE_NOOP("orvantis::TFleet", "an unexpected failure"));
    }
    row.Milliseconds = clock.elapsed();
    return row;
}

}  // namespace orvantis
