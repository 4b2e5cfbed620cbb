// orvantis-cli: the main window's sequences without a window. Prints the log
// lines the window would log; exit 0 on success, 1 on failure, 2 on misuse.

#include "CliLinkHost.h"
#include "CliPrompter.h"
#include "EquipmentLink.h"
#include "InstrumentTransfer.h"
#include "PortMap.h"
#include "QtSerialDevice.h"
#include "ProgramInfo.h"
#include "Project.h"
#include "TermCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace orvantis;

namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

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

// "COM3  /dev/ttyUSB0", one line per COM name whose device is there.
int ListPorts()
{
    for (int index = 0; index < ComPortCount; ++index) {
        const QString name = ComPortName(index);
        const QString path = DevicePathOf(name);
        if (!path.isEmpty() && QFileInfo::exists(path)) std::printf("%-6s%s\n", qPrintable(name), qPrintable(path));
    }
    return ExitOk;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvantis-cli"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prepares and converts Orvantis+ project files (.pro) without the window.\n\n"
        "Commands:\n"
        "  new OUT.pro             a new project with the factory defaults, saved as OUT.pro\n"
        "  resave IN.pro OUT.pro   opens IN.pro and saves it as OUT.pro\n"
        "  ports                   lists COM1 to COM40 and the devices they stand for\n"
        "  detect                  looks for the instrument on COM1 to COM40 (exit 0 when found)\n"
        "  receive OUT.pro         reads the instrument's settings and saves them as OUT.pro\n"
        "                          (nothing is written unless every record was read)\n"
        "  send IN.pro             writes IN.pro into the instrument (exit 0 when every line was taken)\n"
        "  term [COMn]             the serial terminal in this text terminal (Alt+H: help, Alt+Q: exit)"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption modelOption(QStringLiteral("model"),
                                         QStringLiteral("Instrument model table row (16 = ISDB-T edition, 14 = base model)."),
                                         QStringLiteral("ROW"), QStringLiteral("0"));
    const QCommandLineOption fwOption(QStringLiteral("fw"), QStringLiteral("Instrument firmware version."),
                                      QStringLiteral("VERSION"), QStringLiteral("3.0"));
    parser.addOption(modelOption);
    parser.addOption(fwOption);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("new, resave, ports, detect, receive, send or term"));
    if (!parser.parse(QCoreApplication::arguments())) return Usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return ExitOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("orvantis-cli %s\n", ProgramVersion);
        return ExitOk;
    }

    bool ok = false;
    const int model = parser.value(modelOption).toInt(&ok);
    if (!ok || model < 0) return Usage(QStringLiteral("--model takes a row number, not '%1'").arg(parser.value(modelOption)));
    const float version = parser.value(fwOption).toFloat(&ok);
    if (!ok) return Usage(QStringLiteral("--fw takes a version number, not '%1'").arg(parser.value(fwOption)));

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return Usage(QStringLiteral("no command given"));
    const QString command = args.first();

    if (command == QLatin1String("ports")) {
        if (args.size() != 1) return Usage(QStringLiteral("usage: ports"));
        return ListPorts();
    }
    if (command == QLatin1String("detect")) {
        if (args.size() != 1) return Usage(QStringLiteral("usage: detect"));
        TCliLinkHost host(PrintLog);
        TEquipmentLink link(host);
        return link.Detect() ? ExitOk : ExitFailed;
    }

    if (command == QLatin1String("receive") || command == QLatin1String("send")) {
        if (args.size() != 2) return Usage(QStringLiteral("usage: %1 FILE.pro").arg(command));
        TCliLinkHost host(PrintLog);
        TEquipmentLink link(host);
        TCliPrompter prompter;
        TProject project(link, prompter, PrintLog);
        if (command == QLatin1String("receive")) {
            if (ReceiveData(link, host, project, prompter) != TTransferResult::Complete) return ExitFailed;
            prompter.SetSaveName(args[1]);
            return project.SaveAs() ? ExitOk : ExitFailed;
        }
        prompter.SetOpenName(args[1]);
        if (!project.Open()) return ExitFailed;
        return SendData(link, host, project, prompter) == TTransferResult::Complete ? ExitOk : ExitFailed;
    }

    TFixedIdentity identity(model, version);
    TCliPrompter prompter;
    TProject project(identity, prompter, PrintLog);

    if (command == QLatin1String("term")) {
        if (args.size() > 2) return Usage(QStringLiteral("usage: term [COMn]"));
        return RunTermCommand(args.mid(1), prompter, PrintLog);
    }
    if (command == QLatin1String("new")) {
        if (args.size() != 2) return Usage(QStringLiteral("usage: new OUT.pro"));
        prompter.SetSaveName(args[1]);
        return project.New() && project.SaveAs() ? ExitOk : ExitFailed;
    }
    if (command == QLatin1String("resave")) {
        if (args.size() != 3) return Usage(QStringLiteral("usage: resave IN.pro OUT.pro"));
        prompter.SetOpenName(args[1]);
        prompter.SetSaveName(args[2]);
        return project.Open() && project.SaveAs() ? ExitOk : ExitFailed;
    }
    return Usage(QStringLiteral("unknown command '%1'").arg(command));
}
