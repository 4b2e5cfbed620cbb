// orvantis-cli: the main window's sequences without a window. Prints the log
// lines the window would log; exit 0 on success, 1 on failure, 2 on misuse.

#include "BackupCommands.h"
#include "CliCommand.h"
#include "CliPrompter.h"
#include "InstrumentCommands.h"
#include "ModelTable.h"
#include "PlansCommands.h"
#include "PointsCommands.h"
#include "PortAddress.h"
#include "ProgramInfo.h"
#include "ProjectCommands.h"
#include "TermCommand.h"
#include "Translations.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>

using namespace orvantis;

namespace orvantis {

int Usage(const QString& problem)
{
    std::fprintf(stderr, "orvantis-cli: %s\nTry 'orvantis-cli --help'.\n", qPrintable(problem));
    return ExitUsage;
}

void PrintLog(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

}  // namespace orvantis

namespace {

// A short name of the model table, or any row number (one outside the table
// gets the standard rules).
std::optional<int> ModelOfOption(const QString& text)
{
    if (const std::optional<int> row = ModelRowByShortName(text.toStdString())) return row;
    bool ok = false;
    const int row = text.toInt(&ok);
    if (!ok || row < 0) return std::nullopt;
    return row;
}

int RunTerm(const TCliCall& call)
{
    if (call.Args.size() > 1) return Usage(QStringLiteral("usage: term [PORT]"));
    if (!call.Args.isEmpty() && !TPortAddress::Parse(call.Args[0]))
        return Usage(QStringLiteral("term takes a port: COM1 to COM40, tcp://HOST:PORT or rfc2217://HOST:PORT, not '%1'").arg(call.Args[0]));
    TCliPrompter prompter;
    return RunTermCommand(call.Args, prompter, PrintLog);
}

struct TCommandEntry {
    const char* Name;
    int (*Run)(const TCliCall&);
};

constexpr TCommandEntry CommandTable[] = {
    {"new", RunNew},         {"resave", RunResave},   {"ports", RunPorts}, {"detect", RunDetect},
    {"receive", RunReceive}, {"send", RunSend},       {"verify", RunVerify}, {"term", RunTerm},
    {"show", RunShow},       {"diff", RunDiff},       {"points", RunPoints},
    {"plans", RunPlans},     {"bands", RunBands},     {"backups", RunBackups}, {"restore", RunRestore},
};

// The help is in the user's language; everything else orvantis-cli prints
// stays as it is, for the scripts and people that read it.
bool AsksForHelp(const QStringList& arguments)
{
    for (const char* option : {"-h", "-?", "--help", "--help-all"})
        if (arguments.contains(QLatin1String(option))) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (AsksForHelp(QCoreApplication::arguments())) InstallTranslations(app);
    QCoreApplication::setApplicationName(QStringLiteral("orvantis-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "orvantis-cli",
        "Prepares and converts Orvantis+ project files (.pro) without the window.\n\n"
        "Commands:\n"
        "  new OUT.pro             a new project with the factory defaults, saved as OUT.pro\n"
        "  resave IN.pro OUT.pro   opens IN.pro and saves it as OUT.pro\n"
        "  points export IN.pro OUT.csv\n"
        "                          writes the detection points of IN.pro as CSV\n"
        "  points import IN.pro POINTS.csv OUT.pro\n"
        "                          IN.pro with the points of POINTS.csv, saved as OUT.pro\n"
        "                          (nothing is written unless every row passes the checks)\n"
        "  plans                   lists the channel plans: built in, and ~/.local/share/orvantis/plans/*.csv\n"
        "  plans show ID           every channel of plan ID with its centre in kHz, as a plan file\n"
        "  points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]\n"
        "                          IN.pro with points from N on (1) set to channels of plan ID\n"
        "                          (21-48,50), named by PATTERN ({n} is the channel), saved as OUT.pro\n"
        "  bands plan IN.pro BAND ID FIRST LAST OUT.pro\n"
        "                          IN.pro with scan band BAND (1-4) from channel FIRST to LAST of plan ID\n"
        "  ports                   lists COM1 to COM40 and the devices they stand for\n"
        "  detect                  looks for the instrument on COM1 to COM40, or on --port (exit 0 when found)\n"
        "  detect --all            tries every port and prints one line per instrument that answered\n"
        "  receive OUT.pro         reads the instrument's settings and saves them as OUT.pro\n"
        "                          (nothing is written unless every record was read)\n"
        "  receive --all DIR       reads every instrument at once, each into DIR/<name>-<port>.pro\n"
        "  send IN.pro             writes IN.pro into the instrument (exit 0 when every line was taken);\n"
        "                          the instrument's settings are first backed up (see --no-backup)\n"
        "  send --all IN.pro       writes IN.pro into every instrument at once, each backed up first;\n"
        "                          a table of the instruments at the end (exit 0 when all took it)\n"
        "  send --changed IN.pro   writes only the records that differ from what the instrument holds\n"
        "                          (also with --all); when none differs nothing is written\n"
        "  backups [list]          the backups of the backups folder (or --backup-dir), newest first\n"
        "  backups diff A.pro B.pro\n"
        "                          the settings that differ between two backups, as diff\n"
        "  restore BACKUP.pro      sends a backup back, with a backup of the instrument first; into\n"
        "                          another instrument than its own only with --force\n"
        "  verify IN.pro           reads the instrument and compares it with IN.pro (exit 0 when the same)\n"
        "  show IN.pro             the whole project in words\n"
        "  diff A.pro B.pro        the settings that differ between two projects (exit 0 when none)\n"
        "  term [PORT]             the serial terminal in this text terminal (Alt+H: help, Alt+Q: exit)\n\n"
        "Ports: COM1 to COM40, or a serial port that another machine serves with ser2net:\n"
        "  tcp://HOST:PORT         raw TCP (the line settings are the server's)\n"
        "  rfc2217://HOST:PORT     Telnet with RFC 2217 (the program sets 115200 8N1)\n"
        "Both carry the instrument's traffic unencrypted and without authentication."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption modelOption(
        QStringLiteral("model"),
        QCoreApplication::translate("orvantis-cli",
                                    "Instrument model: dvbt2, isdbt, base, or its model table row "
                                    "(15 = dvbt2, 16 = isdbt, 14 = base)."),
        QStringLiteral("MODEL"), QStringLiteral("0"));
    const QCommandLineOption fwOption(QStringLiteral("fw"),
                                      QCoreApplication::translate("orvantis-cli", "Instrument firmware version."),
                                      QStringLiteral("VERSION"), QStringLiteral("3.0"));
    parser.addOption(modelOption);
    parser.addOption(fwOption);
    parser.addOption(
        {QStringLiteral("force"),
         QCoreApplication::translate("orvantis-cli",
                                     "send, restore, resave, points, verify, show, diff: take a project that did not "
                                     "load whole (the settings after the line that stopped it at their defaults).")});
    parser.addOption(
        {QStringLiteral("no-backup"),
         QCoreApplication::translate("orvantis-cli", "send, restore: do not back up the instrument's settings first.")});
    parser.addOption({QStringLiteral("backup-dir"),
                      QCoreApplication::translate("orvantis-cli",
                                                  "send, restore, backups: the folder of the backups "
                                                  "(default ~/.local/share/orvantis/backups)."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("changed"),
                      QCoreApplication::translate(
                          "orvantis-cli", "send, restore: write only the records that differ from what the instrument holds.")});
    parser.addOption(
        {QStringLiteral("verify"),
         QCoreApplication::translate("orvantis-cli", "send, restore: read the instrument back and compare afterwards.")});
    parser.addOption(
        {QStringLiteral("all"), QCoreApplication::translate(
                                    "orvantis-cli", "detect, send, receive: every instrument at once, one per port.")});
    parser.addOption({QStringLiteral("port"),
                      QCoreApplication::translate("orvantis-cli",
                                                  "detect, receive, send, verify: look for the instrument on this port "
                                                  "alone, e.g. COM3 or tcp://bench1:3001."),
                      QStringLiteral("PORT")});
    parser.addOption({QStringLiteral("ports"),
                      QCoreApplication::translate("orvantis-cli",
                                                  "with --all: only these ports, e.g. COM2,COM5-COM9,tcp://bench1:3001."),
                      QStringLiteral("LIST")});
    parser.addOption({QStringLiteral("first"),
                      QCoreApplication::translate("orvantis-cli", "points plan: the first point to fill (1)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("names"),
                      QCoreApplication::translate("orvantis-cli",
                                                  "points plan: the points' names; {n} is the channel (CH{n})."),
                      QStringLiteral("PATTERN")});
    parser.addOption({QStringLiteral("dvb-t2"),
                      QCoreApplication::translate("orvantis-cli", "points plan: 7 and 8 MHz channels as DVB-T2, not DVB-T.")});
    parser.addPositionalArgument(
        QCoreApplication::translate("orvantis-cli", "command"),
        QCoreApplication::translate("orvantis-cli", "new, resave, show, diff, points, plans, bands, ports, detect, receive, "
                                                    "send, verify, backups, restore or term"));
    if (!parser.parse(QCoreApplication::arguments())) return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return ExitOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("orvantis-cli %s\n", ProgramVersion);
        return ExitOk;
    }

    const std::optional<int> model = ModelOfOption(parser.value(modelOption));
    if (!model)
        return Usage(QStringLiteral("--model takes dvbt2, isdbt, base or a row number, not '%1'").arg(parser.value(modelOption)));
    bool ok = false;
    const float version = parser.value(fwOption).toFloat(&ok);
    if (!ok) return Usage(QStringLiteral("--fw takes a version number, not '%1'").arg(parser.value(fwOption)));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return Usage(QStringLiteral("no command given"));
    const bool all = parser.isSet(QStringLiteral("all"));
    if (all && !QStringList{"detect", "send", "receive"}.contains(args.first()))
        return Usage(QStringLiteral("--all goes with detect, send and receive"));
    if (!all && parser.isSet(QStringLiteral("ports"))) return Usage(QStringLiteral("--ports goes with --all"));
    const bool pointsPlan = args.size() > 1 && args[0] == QLatin1String("points") && args[1] == QLatin1String("plan");
    for (const char* option : {"first", "names", "dvb-t2"})
        if (!pointsPlan && parser.isSet(QLatin1String(option)))
            return Usage(QStringLiteral("--%1 goes with points plan").arg(QLatin1String(option)));
    std::optional<TPortAddress> port;
    if (parser.isSet(QStringLiteral("port"))) {
        if (all) return Usage(QStringLiteral("--port goes without --all (--ports names the ports of --all)"));
        if (!QStringList{"detect", "send", "receive", "verify"}.contains(args.first()))
            return Usage(QStringLiteral("--port goes with detect, send, receive and verify"));
        port = TPortAddress::Parse(parser.value(QStringLiteral("port")));
        if (!port)
            return Usage(QStringLiteral("--port takes COM1 to COM40, tcp://HOST:PORT or rfc2217://HOST:PORT, not '%1'")
                             .arg(parser.value(QStringLiteral("port"))));
    }
    for (const TCommandEntry& command : CommandTable)
        if (args.first() == QLatin1String(command.Name)) return command.Run({args.mid(1), parser, *model, version, port});
    return Usage(QStringLiteral("unknown command '%1'").arg(args.first()));
}
