#include "Session.h"

#include "ProfileWords.h"
#include "TextCodec.h"
#include "TextFile.h"
#include "TimeText.h"
#include "UserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>

#include <utility>

namespace orvantis {

TSession::TSession(ISessionHost& host, IPrompter& prompter, TDeviceFactory deviceFactory)
    : FHost(host),
      FPrompter(prompter),
      FLinkLog([&host](const QString& line) { host.Log(line); }),
      FLink(std::move(deviceFactory)),
      FProject(FLink, prompter, [&host](const QString& line) { host.Log(line); })
{
    FLink.AddObserver(FLinkLog);
    FLink.AddObserver(FReplies);
    FLink.AddObserver(host);
}

void TSession::Run(TOperation operation, const std::function<void()>& work)
{
    const TOperation before = std::exchange(FRunning, operation);
    const auto restore = qScopeGuard([this, before] { FRunning = before; });
    work();
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
    FPrompter.Message(QCoreApplication::translate("orvantis::TSession", "Orvantis error"), text, TMsgIcon::Error);
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
            result = Unable(QCoreApplication::translate("orvantis::TSession", "Unable to receive data"));
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
    if (!start.HasPort) return Unable(QCoreApplication::translate("orvantis::TSession", "Unable to receive data"));
    if (!start.Problem.isEmpty()) FHost.Log(start.Problem);

    if (FLink.ReadAreas(ReadPlan(FProject.Profile()), FProject.Profile()) > 0) {
        FPrompter.Message(
            QCoreApplication::translate("orvantis::TSession", "Warning"),
            QCoreApplication::translate("orvantis::TSession", "Error loading equipment data. Using default."),
            TMsgIcon::Warning);
        return TTransferResult::Incomplete;
    }
    FHost.Log(QStringLiteral("received data from remote equipment"));
    FProject.AdoptReceived();
    return TTransferResult::Complete;
}

// A project that did not load whole would put defaults into the instrument
// for everything after the line that stopped it.
bool TSession::ConfirmPartLoad()
{
    if (!FProject.IsPartlyLoaded() || FSendOptions.PartLoadAccepted) return true;
    return FPrompter.Confirm(
        QCoreApplication::translate("orvantis::TSession", "Warning"),
        FProject.PartLoadText(true) +
            QCoreApplication::translate("orvantis::TSession", ".\n\nSend it to the instrument all the same?"));
}

TTransferResult TSession::Send()
{
    if (!ConfirmPartLoad()) return TTransferResult::Cancelled;
    return SendProject(FProject);
}

TTransferResult TSession::SendProject(TProject& project)
{
    FLastBackup.clear();
    FBackupProblem.clear();
    return RunOperation(QStringLiteral("send data"), [this, &project] {
        if (!FindInstrument(QStringLiteral("ERROR: unable to send data. Check connection")))
            return TTransferResult::NoInstrument;

        TTransferResult result = TTransferResult::Failed;
        try {
            result = WriteInstrument(project);
        } catch (...) {
            result = Unable(QCoreApplication::translate("orvantis::TSession", "Unable to send data"));
        }
        FLink.CloseExchange();
        return result;
    });
}

TTransferResult TSession::WriteInstrument(TProject& project)
{
    const TExchangeStart start = FLink.OpenExchange(false);
    if (!start.HasPort) return Unable(QCoreApplication::translate("orvantis::TSession", "Unable to send data"));
    if (!start.Problem.isEmpty()) FHost.Log(start.Problem);

    // The model's point count follows the version read here.
    FLink.RefreshVersion();
    if (FSendOptions.AcceptInstrument && !FSendOptions.AcceptInstrument(FLink.EquipmentName())) {
        FHost.Log(QStringLiteral("nothing sent"));
        return TTransferResult::Cancelled;
    }
    std::optional<THeldBytes> held;
    if (const QString problem = FBackupProblem = ReadBeforeSend(held); !problem.isEmpty()) {
        FHost.Log(QStringLiteral("no backup of the instrument: ") + problem);
        if (!FSendOptions.AskToSendWithoutBackup ||
            !FPrompter.Confirm(QCoreApplication::translate("orvantis::TSession", "Warning"),
                               QCoreApplication::translate("orvantis::TSession",
                                                           "The instrument's settings could not be backed up: %1.\n\n"
                                                           "Send without a backup?")
                                   .arg(problem))) {
            FHost.Log(QStringLiteral("nothing sent"));
            return TTransferResult::Cancelled;
        }
    }
    // A copy: the lines sent are the text as it stood when the send began.
    const TLineList all = project.Regenerate();
    const TLineList lines = LinesToSend(project, all, held);
    if (held && lines.empty()) {
        FHost.Log(QStringLiteral("nothing sent: the instrument holds every record of ") + project.FileName());
        return TTransferResult::Complete;
    }
    FLink.SendAccessCode();

    const TLinesSent sent = FLink.WriteLines(lines);
    if (!sent.Complete) return TTransferResult::Incomplete;
    FHost.Log(project.FileName() + QStringLiteral(" sent to remote equipment"));
    FHost.Log(QStringLiteral("processed %1 data lines of %2").arg(sent.RecordLines).arg(sent.LineCount));
    FLink.ResetInstrument();
    return TTransferResult::Complete;
}

QString TSession::ReadBeforeSend(std::optional<THeldBytes>& held)
{
    if (!FSendOptions.BackUp && !FSendOptions.ChangedOnly) return {};
    // Only what this very instrument was found to be is compared record by
    // record: another one behind the port may keep its bytes elsewhere.
    const bool sameInstrument = !FSendOptions.ChangedOnly || FLink.StillTheDetectedInstrument();
    FLink.SendAccessCode();
    TProfile instrument(nullptr, FLink);
    THeldBytes bytes;
    const QString readProblem = ReadQuietly(instrument, &bytes);
    if (FSendOptions.ChangedOnly) {
        if (!readProblem.isEmpty())
            FHost.Log(QStringLiteral("every record is sent: the instrument could not be read whole"));
        else if (!sameInstrument)
            FHost.Log(QStringLiteral("every record is sent: the instrument does not answer with the name and version found"));
        else
            held = bytes;
    }
    if (!FSendOptions.BackUp) return {};
    return readProblem.isEmpty() ? BackUpInstrument(instrument) : readProblem;
}

TLineList TSession::LinesToSend(const TProject& project, const TLineList& lines, const std::optional<THeldBytes>& held)
{
    if (!FSendOptions.ChangedOnly) return lines;
    if (project.IsPartlyLoaded()) {
        FHost.Log(QStringLiteral("every record is sent: the project did not load whole"));
        return lines;
    }
    if (!held) return lines;
    const TChangedRecords changed = ChangedRecords(lines, *held);
    FHost.Log(ChangedRecordsText(changed));
    return changed.Lines;
}

QString TSession::ReadQuietly(TProfile& model, THeldBytes* held)
{
    FLinkLog.SetMuted(true);
    FReplies.Start();
    const auto unmute = qScopeGuard([this] {
        FReplies.Stop();
        FLinkLog.SetMuted(false);
    });
    model.SetDefaults();
    // Every byte that Send writes, so that a backup sent back restores the
    // instrument and a comparison misses none of them.
    const std::vector<TReadArea> plan = WholeRecordsPlan(model);
    const int failed = FLink.ReadAreas(plan, model);
    if (held) held->Take(plan, FReplies.Replies());
    if (failed == 0) return {};
    return QStringLiteral("%1 of the 4 memory areas could not be read").arg(failed);
}

QString TSession::BackUpInstrument(TProfile& instrument)
{
    const QString folder = FSendOptions.BackupFolder.isEmpty() ? DefaultBackupFolder() : FSendOptions.BackupFolder;
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder %1 cannot be made").arg(folder);
    const QDateTime now = QDateTime::currentDateTime();
    const TSavedBackup saved = SaveBackup(folder, FLink.EquipmentName(), FLink.PortName(), now, [&](const QString& path) {
        TLineList lines;
        instrument.WriteProject(&lines, EncodeFileName(path), EncodeText(DateTimeText(now)));
        return lines;
    });
    if (saved.Path.isEmpty()) return saved.Error;
    FLastBackup = saved.Path;
    FHost.Log(QStringLiteral("instrument settings backed up to ") + saved.Path);
    return {};
}

TComparison TSession::Compare(bool afterReset)
{
    TComparison comparison;
    comparison.Result = RunOperation(QStringLiteral("compare"), [&] {
        if (afterReset && FLink.IsDetected() && !FLink.AwaitInstrument(10000)) {
            FHost.Beep();
            FHost.Log(QStringLiteral("ERROR: the instrument did not answer after its reset. Check connection"));
            return TTransferResult::NoInstrument;
        }
        if (!FindInstrument(QStringLiteral("ERROR: unable to read the equipment. Check connection")))
            return TTransferResult::NoInstrument;

        TProfile instrument(nullptr, FLink);
        QString problem;
        try {
            // As Receive and Send: without a port object nothing is read,
            // and no comparison can say anything.
            const TExchangeStart start = FLink.OpenExchange();
            if (!start.HasPort)
                return Unable(QCoreApplication::translate("orvantis::TSession", "Unable to read the equipment"));
            if (!start.Problem.isEmpty()) FHost.Log(start.Problem);
            problem = ReadQuietly(instrument);
        } catch (...) {
            problem = QStringLiteral("an unexpected failure");
        }
        FLink.CloseExchange();
        if (!problem.isEmpty()) {
            FHost.Log(QStringLiteral("ERROR: ") + problem);
            return TTransferResult::Incomplete;
        }
        for (const std::string& line : DifferencesInWords(FProject.Profile(), "the project", instrument, "the instrument"))
            comparison.Differences << DecodeText(line);
        for (const QString& line : comparison.Differences) FHost.Log(line);
        FHost.Log(comparison.Differences.isEmpty()
                      ? QStringLiteral("the instrument holds the settings of the project")
                      : QStringLiteral("%1 settings differ between the project and the instrument").arg(comparison.Differences.size()));
        if (FProject.IsPartlyLoaded()) {
            comparison.PartLoad = FProject.PartLoadText();
            FHost.Log(QStringLiteral("compared with a project that did not load whole: ") + comparison.PartLoad);
        }
        return TTransferResult::Complete;
    });
    return comparison;
}

}  // namespace orvantis
