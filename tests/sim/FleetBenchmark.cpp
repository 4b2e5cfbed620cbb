// Prints how much longer a send to every instrument at once takes than a
// send to one: 8 orvantis-sim instruments paced as 115200-baud lines, the
// wall time of "orvantis-cli send --all" beside that of "orvantis-cli send"
// (which finds the instrument on COM1), both with their backups, in the same
// run. Not a test: it asserts nothing. The aim is a ratio of at most 1.25.
//   fleet_benchmark [--changed]    (--changed: both sends write only what differs)

#include "SimProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace orvantis::test;

namespace {

constexpr int Instruments = 8;
constexpr int Rounds = 3;

// Wall time of one orvantis-cli run in ms, or -1 when it failed.
double TimeCli(const QStringList& args)
{
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(ORVANTIS_CLI_PATH), args);
    if (!cli.waitForFinished(120000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        std::fprintf(stderr, "orvantis-cli %s failed:\n%s", qPrintable(args.join(' ')), cli.readAllStandardError().constData());
        return -1;
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ports = dir.filePath(QStringLiteral("ports"));
    const QString project = dir.filePath(QStringLiteral("project.pro"));
    const QString backups = dir.filePath(QStringLiteral("backups"));
    qputenv("ORVANTIS_PORT_DIR", ports.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());

    QDir().mkpath(ports);
    std::vector<std::unique_ptr<TSimProcess>> sims;
    for (int com = 1; com <= Instruments; ++com) {
        auto& sim = sims.emplace_back(std::make_unique<TSimProcess>());
        if (!sim->Start(ports, com, {QStringLiteral("--quiet"), QStringLiteral("--pace")})) {
            std::fprintf(stderr, "orvantis-sim on COM%d did not start\n", com);
            return 1;
        }
    }
    if (TimeCli({QStringLiteral("new"), project}) < 0) return 1;
    const QStringList changed = QCoreApplication::arguments().contains(QStringLiteral("--changed"))
                                    ? QStringList{QStringLiteral("--changed")}
                                    : QStringList{};

    // Alternated, so that both see the same machine; the best of each.
    std::vector<double> one;
    std::vector<double> all;
    for (int round = 0; round < Rounds; ++round) {
        one.push_back(TimeCli(QStringList{QStringLiteral("send"), QStringLiteral("--backup-dir"), backups, project} + changed));
        all.push_back(TimeCli(QStringList{QStringLiteral("send"), QStringLiteral("--all"), QStringLiteral("--backup-dir"), backups, project} + changed));
        std::printf("round %d: send %8.1f ms, send --all to %d %8.1f ms\n", round + 1, one.back(), Instruments, all.back());
    }
    if (std::count(one.begin(), one.end(), -1.0) + std::count(all.begin(), all.end(), -1.0) > 0) return 1;
    const double bestOne = *std::min_element(one.begin(), one.end());
    const double bestAll = *std::min_element(all.begin(), all.end());
    if (!changed.isEmpty()) std::printf("with --changed:\n");
    std::printf("send to 1 instrument (with its backup), paced:  %8.1f ms\n", bestOne);
    std::printf("send --all to %d instruments (with backups):     %8.1f ms\n", Instruments, bestAll);
    std::printf("ratio: %.3f (aim: at most 1.25)\n", bestAll / bestOne);
    return 0;
}
