#include "SimOptions.h"

#include "ModelTable.h"
#include "PortAddress.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <charconv>
#include <cstdio>

namespace orvantis::sim {

namespace {

std::nullopt_t Usage(const QString& problem)
{
    std::fprintf(stderr, "orvantis-sim: %s\nTry 'orvantis-sim --help'.\n", qPrintable(problem));
    return std::nullopt;
}

float VersionNumber(const QByteArray& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            float v = 3.0f;
            std::from_chars(text.constData() + i, text.constData() + text.size(), v);
            return v;
        }
    }
    return 3.0f;
}

// A count option: false when it is set to anything but a whole number >= 0.
bool ReadCount(const QCommandLineParser& parser, const QCommandLineOption& option, int& count)
{
    if (!parser.isSet(option)) return true;
    bool ok = false;
    count = parser.value(option).toInt(&ok);
    return ok && count >= 0;
}

}  // namespace

std::optional<TSimOptions> ReadSimOptions(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated Orvantis+ instrument on a pseudo-terminal.\n"
        "Example: orvantis-sim --dir /tmp/ports --com 1, then run the program with ORVANTIS_PORT_DIR=/tmp/ports."));
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Folder of the COM links."), QStringLiteral("DIR"));
    const QCommandLineOption comOption(QStringLiteral("com"), QStringLiteral("COM number of the link in DIR (1 to 40)."),
                                       QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Path of the link to create (instead of --dir/--com)."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption nameOption(QStringLiteral("name"),
                                        QStringLiteral("Instrument name, or dvbt2, isdbt or base for the model's own (default OV+ DVB-T2)."),
                                        QStringLiteral("NAME"), QStringLiteral("OV+ DVB-T2"));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("version"), QStringLiteral("fw")}, QStringLiteral("Firmware version text (default 1.20)."),
                                           QStringLiteral("TEXT"), QStringLiteral("1.20"));
    const QCommandLineOption nameReplyOption(QStringLiteral("name-reply"), QStringLiteral("Whole reply line to *?NAM."),
                                             QStringLiteral("LINE"));
    const QCommandLineOption versionReplyOption(QStringLiteral("version-reply"), QStringLiteral("Whole reply line to *?VER."),
                                                QStringLiteral("LINE"));
    const QCommandLineOption eepromOption(QStringLiteral("eeprom"),
                                          QStringLiteral("Project file: loaded at start if it exists, saved at the end after writes."),
                                          QStringLiteral("FILE.pro"));
    const QCommandLineOption silentOption(QStringLiteral("silent"), QStringLiteral("Fault: never send anything."));
    const QCommandLineOption noiseOption(QStringLiteral("noise"), QStringLiteral("Fault: stream noise without pause."));
    const QCommandLineOption nakAllOption(QStringLiteral("nak-all"), QStringLiteral("Fault: refuse every command."));
    const QCommandLineOption nakAtOption(QStringLiteral("nak-at"), QStringLiteral("Fault: refuse EEPROM commands at this hex address."),
                                         QStringLiteral("ADDR"));
    const QCommandLineOption dropOption(QStringLiteral("drop-after"), QStringLiteral("Fault: go silent after N commands."),
                                        QStringLiteral("N"));
    const QCommandLineOption hangupOption(QStringLiteral("hangup-after"),
                                          QStringLiteral("Fault: close the line (a pulled cable) after N commands."),
                                          QStringLiteral("N"));
    const QCommandLineOption slowOption(QStringLiteral("slow"),
                                        QStringLiteral("Pause MS milliseconds before XOFF, ACK and the reply (under 105 stays inside the time-outs)."),
                                        QStringLiteral("MS"));
    const QCommandLineOption paceOption(QStringLiteral("pace"), QStringLiteral("Carry every byte as a 115200-baud line would."));
    const QCommandLineOption quietOption(QStringLiteral("quiet"), QStringLiteral("Print only the start line."));
    parser.addOptions({dirOption, comOption, linkOption, nameOption, versionOption, nameReplyOption, versionReplyOption,
                       eepromOption, silentOption, noiseOption, nakAllOption, nakAtOption, dropOption, hangupOption,
                       slowOption, paceOption, quietOption});
    parser.process(app);

    TSimOptions options;
    options.LinkPath = parser.value(linkOption);
    if (options.LinkPath.isEmpty()) {
        if (!parser.isSet(dirOption)) return Usage(QStringLiteral("give --dir DIR (with --com N) or --link PATH"));
        bool ok = false;
        const int com = parser.value(comOption).toInt(&ok);
        const std::optional<TPortAddress> port = ok ? TPortAddress::Parse(QStringLiteral("COM%1").arg(com)) : std::nullopt;
        if (!port) return Usage(QStringLiteral("--com takes 1 to %1").arg(ComPortCount));
        options.LinkPath = QDir(parser.value(dirOption)).filePath(port->Name());
    }

    TFaults& faults = options.Faults;
    faults.Silent = parser.isSet(silentOption);
    faults.Noise = parser.isSet(noiseOption);
    faults.NakAll = parser.isSet(nakAllOption);
    if (parser.isSet(nakAtOption)) {
        bool ok = false;
        faults.NakAddress = parser.value(nakAtOption).toUInt(&ok, 16);
        if (!ok) return Usage(QStringLiteral("--nak-at takes a hexadecimal address"));
    }
    if (!ReadCount(parser, dropOption, faults.DropAfter)) return Usage(QStringLiteral("--drop-after takes a count"));
    if (!ReadCount(parser, hangupOption, options.HangupAfter)) return Usage(QStringLiteral("--hangup-after takes a count"));
    if (!ReadCount(parser, slowOption, options.SlowMs)) return Usage(QStringLiteral("--slow takes milliseconds"));
    options.Pace = parser.isSet(paceOption);
    options.Quiet = parser.isSet(quietOption);

    const QString name = parser.value(nameOption);
    const std::optional<int> shortNamed = ModelRowByShortName(name.toStdString());
    if (shortNamed) {
        const std::string_view modelName = ModelAt(*shortNamed).Name;
        options.Name = QByteArray(modelName.data(), static_cast<qsizetype>(modelName.size()));
    } else {
        options.Name = name.toLatin1();
    }
    const QByteArray version = parser.value(versionOption).toLatin1();
    options.NameReply = parser.isSet(nameReplyOption) ? parser.value(nameReplyOption).toLatin1() : "*NAM " + options.Name;
    options.VersionReply = parser.isSet(versionReplyOption) ? parser.value(versionReplyOption).toLatin1() : "*VER " + version;
    // An instrument outside the table keeps the memory of the DVB-T2 edition.
    const int row = ModelRow(options.Name.toUpper().toStdString());
    options.ImageRow = row == ModelRowUnknown ? DvbT2ModelRow : row;
    options.Version = VersionNumber(version);
    options.EepromPath = parser.value(eepromOption);
    return options;
}

}  // namespace orvantis::sim
