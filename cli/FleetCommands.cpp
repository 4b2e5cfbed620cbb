#include "FleetCommands.h"

#include "CliPrompter.h"
#include "Fleet.h"
#include "PortAddress.h"
#include "UserFiles.h"

#include <QDir>
#include <QMap>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvantis {

namespace {

// COM1 to COM40, or the ports that --ports names (an empty list names none).
std::optional<QList<TPortAddress>> SelectedPorts(const TCliCall& call)
{
    if (!call.Parser.isSet(QStringLiteral("ports"))) return ComPorts();
    return ParsePortList(call.Parser.value(QStringLiteral("ports")));
}

// Columns of the terminal the count is drawn on; a large number when the
// width cannot be had.
int TerminalWidth()
{
    winsize size{};
    for (const int stream : {STDERR_FILENO, STDOUT_FILENO})
        if (::ioctl(stream, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return std::numeric_limits<int>::max();
}

// The ports' log lines as they come and, where a person watches, every
// port's count on one line below them: the count is taken off the screen
// while a log line is printed, then drawn again.
class TFleetProgress {
public:
    explicit TFleetProgress(TFleet& fleet) : FShown(::isatty(STDERR_FILENO) != 0)
    {
        QObject::connect(&fleet, &TFleet::Logged, &fleet, [this](const QString& line) {
            Clear();
            PrintLog(line);
            Draw();
        });
        if (!FShown) return;
        QObject::connect(&fleet, &TFleet::Progress, &fleet, [this, &fleet](int port, int done, int total) {
            FCounts[port] = total > 0 ? QStringLiteral("%1 %2/%3").arg(fleet.PortAt(port).Name()).arg(done).arg(total) : QString();
            Clear();
            Draw();
        });
        QObject::connect(&fleet, &TFleet::Finished, &fleet, [this] {
            FCounts.clear();
            Clear();
        });
    }

private:
    QString Line() const
    {
        QStringList shown;
        for (const QString& count : FCounts)
            if (!count.isEmpty()) shown << count;
        return shown.join(QStringLiteral("  "));
    }
    void Clear()
    {
        if (!FDrawn) return;
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        FDrawn = false;
    }
    void Draw()
    {
        // Cut to the terminal's width: a wrapped line leaves its upper rows
        // on the screen, as Clear takes off only the row the cursor is in.
        const QString line = Line().left(std::max(TerminalWidth() - 1, 0));
        if (!FShown || line.isEmpty()) return;
        std::fputs(qPrintable(line), stderr);
        std::fflush(stderr);
        FDrawn = true;
    }

    bool FShown;
    bool FDrawn = false;
    QMap<int, QString> FCounts;
};

int BadPortList()
{
    return Usage(QStringLiteral("--ports takes COM names and ranges such as COM2,COM5-COM9"));
}

int NoPortThere()
{
    std::fprintf(stderr, "orvantis-cli: none of the ports to try is there\n");
    return ExitFailed;
}

// Runs the job with every port's log lines printed as they come, then the
// table; the exit status.
int RunWithTable(const TFleetJob& job)
{
    TFleet fleet;
    TFleetProgress progress(fleet);
    const QList<TFleetRow> rows = fleet.Run(job);
    if (rows.isEmpty()) return NoPortThere();
    PrintLog(QString());
    for (const QString& line : FleetTable(rows, job.Operation)) PrintLog(line);
    const QString verdict = FleetVerdict(rows, job.Operation);
    PrintLog(verdict);
    if (FleetSucceeded(rows)) return ExitOk;
    std::fprintf(stderr, "orvantis-cli: %s\n", qPrintable(verdict));
    // Said as "send IN.pro" says it: no one here answers a question.
    for (const TFleetRow& row : rows)
        if (!row.BackupProblem.isEmpty() && row.Result == TTransferResult::Cancelled)
            std::fprintf(stderr, "orvantis-cli: %s: %s (--no-backup sends without a backup)\n", qPrintable(row.Port),
                         qPrintable(row.Outcome));
    return ExitFailed;
}

}  // namespace

int RunDetectAll(const TCliCall& call)
{
    if (!call.Args.isEmpty()) return Usage(QStringLiteral("usage: detect --all [--ports LIST]"));
    const std::optional<QList<TPortAddress>> ports = SelectedPorts(call);
    if (!ports) return BadPortList();
    TFleetJob job;
    job.Operation = TFleetOperation::Detect;
    job.Ports = *ports;
    TFleet fleet;
    const QList<TFleetRow> rows = fleet.Run(job);
    if (rows.isEmpty()) return NoPortThere();
    // The line Detect logs for the instrument it finds, for each of them.
    for (const TFleetRow& row : rows)
        if (row.HasInstrument()) PrintLog(QStringLiteral("%1 -> %2 ver%3").arg(row.Port, row.Instrument, row.VersionText));
    if (FleetSucceeded(rows)) return ExitOk;
    std::fprintf(stderr, "orvantis-cli: %s\n", qPrintable(FleetVerdict(rows, job.Operation)));
    return ExitFailed;
}

int RunSendAll(const TCliCall& call)
{
    if (call.Args.size() != 1)
        return Usage(QStringLiteral("usage: send --all [--ports LIST] [--force] [--no-backup] [--backup-dir DIR] [--changed] IN.pro"));
    if (call.Parser.isSet(QStringLiteral("verify"))) return Usage(QStringLiteral("--verify goes with a send to one instrument"));
    const std::optional<QList<TPortAddress>> ports = SelectedPorts(call);
    if (!ports) return BadPortList();
    // Opened as "send IN.pro" opens it, before any instrument is known.
    TFixedIdentity identity;
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);
    if (!project.Open(call.Args[0])) return ExitFailed;

    TFleetJob job;
    job.Operation = TFleetOperation::Send;
    job.Ports = *ports;
    job.ProjectText = project.Lines();
    job.ProjectName = project.FileName();
    job.SendOptions.BackUp = !call.Parser.isSet(QStringLiteral("no-backup"));
    job.SendOptions.BackupFolder = call.Parser.value(QStringLiteral("backup-dir"));
    job.SendOptions.ChangedOnly = call.Parser.isSet(QStringLiteral("changed"));
    if (project.IsPartlyLoaded() && !call.Parser.isSet(QStringLiteral("force"))) {
        std::fprintf(stderr, "orvantis-cli: %s; nothing sent (--force sends it all the same)\n", qPrintable(project.PartLoadText()));
        return ExitFailed;
    }
    // A folder given with --backup-dir is the user's to keep whole.
    if (job.SendOptions.BackUp && job.SendOptions.BackupFolder.isEmpty())
        PruneBackups(DefaultBackupFolder(), QDateTime::currentDateTime());
    return RunWithTable(job);
}

int RunReceiveAll(const TCliCall& call)
{
    if (call.Args.size() != 1) return Usage(QStringLiteral("usage: receive --all [--ports LIST] DIR"));
    const std::optional<QList<TPortAddress>> ports = SelectedPorts(call);
    if (!ports) return BadPortList();
    const QString folder = call.Args[0];
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "orvantis-cli: the folder %s cannot be made\n", qPrintable(folder));
        return ExitFailed;
    }
    TFleetJob job;
    job.Operation = TFleetOperation::Receive;
    job.Ports = *ports;
    job.ReceiveFolder = folder;
    return RunWithTable(job);
}

}  // namespace orvantis
