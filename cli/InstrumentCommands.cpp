#include "InstrumentCommands.h"

#include "CliPrompter.h"
#include "CliSessionHost.h"
#include "FleetCommands.h"
#include "PartLoad.h"
#include "PortMap.h"
#include "Session.h"
#include "UserFiles.h"

#include <QFileInfo>

#include <cstdio>

namespace orvantis {

int RunPorts(const TCliCall& call)
{
    if (!call.Args.isEmpty()) return Usage(QStringLiteral("usage: ports"));
    for (const TPortAddress& port : ComPorts()) {
        const QString path = DevicePathOf(port);
        if (!path.isEmpty() && QFileInfo::exists(path)) std::printf("%-6s%s\n", qPrintable(port.Name()), qPrintable(path));
    }
    return ExitOk;
}

namespace {

// With --port the instrument is looked for there alone.
void BindPort(const TCliCall& call, TSession& session)
{
    if (call.Port) session.Link().BindToPort(*call.Port);
}

}  // namespace

int RunDetect(const TCliCall& call)
{
    if (call.Parser.isSet(QStringLiteral("all"))) return RunDetectAll(call);
    if (!call.Args.isEmpty()) return Usage(QStringLiteral("usage: detect"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    BindPort(call, session);
    return session.Detect() ? ExitOk : ExitFailed;
}

int RunReceive(const TCliCall& call)
{
    if (call.Parser.isSet(QStringLiteral("all"))) return RunReceiveAll(call);
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: receive OUT.pro"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    BindPort(call, session);
    if (session.Receive() != TTransferResult::Complete) return ExitFailed;
    prompter.SetSaveName(call.Args[0]);
    return session.Project().SaveAs() ? ExitOk : ExitFailed;
}

namespace {

// The differences are on standard output already; the verdict goes to standard error.
int VerifyVerdict(const TComparison& comparison)
{
    if (comparison.Result != TTransferResult::Complete) {
        std::fprintf(stderr, "orvantis-cli: the instrument could not be read whole; nothing compared\n");
        return ExitFailed;
    }
    if (comparison.Differences.isEmpty()) return ExitOk;
    std::fprintf(stderr, "orvantis-cli: %lld settings differ\n", static_cast<long long>(comparison.Differences.size()));
    return ExitFailed;
}

}  // namespace

int RunSend(const TCliCall& call)
{
    if (call.Parser.isSet(QStringLiteral("all"))) return RunSendAll(call);
    if (call.Args.size() != 1)
        return Usage(QStringLiteral("usage: send [--force] [--no-backup] [--backup-dir DIR] [--changed] [--verify] IN.pro"));
    return SendFile(call, {});
}

int SendFile(const TCliCall& call, const std::function<bool(const QString& instrument)>& acceptInstrument)
{
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    BindPort(call, session);
    if (!session.Project().Open(call.Args[0])) return ExitFailed;

    TSendOptions options;
    options.BackUp = !call.Parser.isSet(QStringLiteral("no-backup"));
    options.BackupFolder = call.Parser.value(QStringLiteral("backup-dir"));
    options.PartLoadAccepted = call.Parser.isSet(QStringLiteral("force"));
    options.ChangedOnly = call.Parser.isSet(QStringLiteral("changed"));
    options.AcceptInstrument = acceptInstrument;
    if (session.Project().IsPartlyLoaded() && !options.PartLoadAccepted) {
        std::fprintf(stderr, "orvantis-cli: %s; nothing sent (--force sends it all the same)\n",
                     qPrintable(session.Project().PartLoadText()));
        return ExitFailed;
    }
    options.AskToSendWithoutBackup = false;
    // A folder given with --backup-dir is the user's to keep whole.
    if (options.BackUp && options.BackupFolder.isEmpty()) PruneBackups(DefaultBackupFolder(), QDateTime::currentDateTime());
    session.SetSendOptions(options);
    if (session.Send() != TTransferResult::Complete) {
        if (!session.BackupProblem().isEmpty())
            std::fprintf(stderr, "orvantis-cli: the instrument's settings could not be backed up: %s; nothing sent"
                                 " (--no-backup sends without a backup)\n", qPrintable(session.BackupProblem()));
        return ExitFailed;
    }
    if (!call.Parser.isSet(QStringLiteral("verify"))) return ExitOk;
    return VerifyVerdict(session.Compare(true));
}

int RunVerify(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: verify IN.pro"));
    TCliSessionHost host(PrintLog);
    TCliPrompter prompter;
    TSession session(host, prompter);
    BindPort(call, session);
    if (!session.Project().Open(call.Args[0]) || RefusePartLoad(session.Project(), call, "compared")) return ExitFailed;
    return VerifyVerdict(session.Compare());
}

}  // namespace orvantis
