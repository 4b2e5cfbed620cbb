// Prints what a send of the changes only costs against orvantis-sim paced as
// a 115200-baud line, beside a full send and a Receive in the same run: one
// point changed, then nothing changed, each with its backup; and the records
// the simulator says it took. Not a test: it asserts nothing. The aims: one
// point changed at most 0.65 times a full send with its backup, one record
// and "*RST" written; nothing changed about one Receive, nothing written.
//   changed_send_benchmark [--unpaced]

#include "FakeDevices.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "SimProcess.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

using namespace orvantis;
using namespace orvantis::test;

namespace {

constexpr int Rounds = 3;

// The simulator's "records written: N" and "resets: N".
std::pair<int, int> Taken(const QString& report)
{
    TLineList lines;
    if (!LoadTextLines(report, lines) || lines.size() < 2) return {-1, -1};
    return {std::stoi(lines[0].substr(lines[0].find(':') + 1)), std::stoi(lines[1].substr(lines[1].find(':') + 1))};
}

struct TRun {
    double Ms = 0;
    int Records = 0;
    int Resets = 0;
    bool Complete = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const bool pace = !QCoreApplication::arguments().contains(QStringLiteral("--unpaced"));
    QTemporaryDir dir;
    qputenv("ORVANTIS_PORT_DIR", dir.path().toLocal8Bit());
    const QString report = dir.filePath(QStringLiteral("report.txt"));
    TSimProcess sim;
    QStringList options{QStringLiteral("--quiet"), QStringLiteral("--report"), report};
    if (pace) options << QStringLiteral("--pace");
    if (!sim.Start(dir.path(), 1, options)) return 1;

    TRecordingHost host;
    TScriptedPrompter prompter;
    TSession session(host, prompter);
    if (!session.Detect()) return 1;
    session.Project().New();
    const QString backups = dir.filePath(QStringLiteral("backups"));

    std::map<std::string, std::vector<TRun>> runs;
    const auto timed = [&](const char* name, bool changedOnly, auto operation) {
        TSendOptions sendOptions;
        sendOptions.BackupFolder = backups;
        sendOptions.ChangedOnly = changedOnly;
        session.SetSendOptions(sendOptions);
        const auto before = Taken(report);
        QElapsedTimer clock;
        clock.start();
        const TTransferResult result = operation();
        TRun run{clock.nsecsElapsed() / 1e6, 0, 0, result == TTransferResult::Complete};
        const auto after = Taken(report);
        run.Records = after.first - before.first;
        run.Resets = after.second - before.second;
        runs[name].push_back(run);
    };
    for (int round = 0; round < Rounds; ++round) {
        timed("full send with backup", false, [&] { return session.Send(); });
        session.Project().Profile().SetPointFreq(4, 474000 + 8000 * (round + 1));
        timed("changes only, one point changed", true, [&] { return session.Send(); });
        timed("changes only, nothing changed", true, [&] { return session.Send(); });
        prompter.AnswerMessage(TMsgButton::No);  // the save-changes query
        timed("receive", false, [&] { return session.Receive(); });
        prompter.AnswerMessage(TMsgButton::No);
        session.Project().New();
        session.Project().Profile().SetPointFreq(4, 474000 + 8000 * (round + 1));
    }

    std::printf("%s, best of %d rounds:\n", pace ? "paced (115200 baud)" : "unpaced", Rounds);
    std::map<std::string, double> best;
    for (const auto& [name, list] : runs) {
        const TRun& fastest = *std::min_element(list.begin(), list.end(), [](const TRun& a, const TRun& b) { return a.Ms < b.Ms; });
        best[name] = fastest.Ms;
        std::printf("  %-32s %8.1f ms  %3d records written, %d resets%s\n", name.c_str(), fastest.Ms, fastest.Records,
                    fastest.Resets, fastest.Complete ? "" : "  (NOT COMPLETE)");
    }
    std::printf("one point changed / full send: %.3f (aim: at most 0.65)\n",
                best["changes only, one point changed"] / best["full send with backup"]);
    std::printf("nothing changed / receive:     %.3f (aim: about 1)\n", best["changes only, nothing changed"] / best["receive"]);
    return 0;
}
