// orvantis-sim: a simulated Orvantis+ instrument on a pseudo-terminal, for
// trying the program without an instrument and for the tests.
//
//   orvantis-sim --dir /tmp/ports --com 1        then ORVANTIS_PORT_DIR=/tmp/ports
//
// It prints every command it answers. Ctrl+C (or SIGTERM) ends it and
// removes its link.

#include "EepromImage.h"
#include "PtyLine.h"
#include "SimInstrument.h"
#include "SimLoop.h"
#include "SimOptions.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace orvantis::sim;

namespace {

// The memory the instrument starts with: its factory contents, with the
// project of --eeprom written over them when there is one.
bool StartImage(const TSimOptions& options, QByteArray& image, QString* error)
{
    image = FactoryImage(options.ImageRow, options.Version);
    return options.EepromPath.isEmpty() || !QFile::exists(options.EepromPath) ||
           LoadProjectInto(image, options.EepromPath, error);
}

void SaveImage(const TSimOptions& options, const TSimInstrument& instrument)
{
    if (options.EepromPath.isEmpty() || !instrument.ImageChanged()) return;
    QString error;
    if (SaveImageAsProject(instrument.Image(), options.ImageRow, options.Version, options.EepromPath, &error))
        Say(QStringLiteral("memory saved to %1").arg(options.EepromPath));
    else
        std::fprintf(stderr, "orvantis-sim: cannot save %s: %s\n", qPrintable(options.EepromPath), qPrintable(error));
}

// "records written: 3", "resets: 1" and "written: 0800 0814 1F00", for the
// tests and the benchmark.
void SaveReport(const TSimOptions& options, const TSimInstrument& instrument)
{
    if (options.ReportPath.isEmpty()) return;
    std::string addresses;
    for (const unsigned address : instrument.WrittenAddresses())
        addresses += QStringLiteral(" %1").arg(address, 4, 16, QLatin1Char('0')).toUpper().toStdString();
    const orvantis::TLineList lines{"records written: " + std::to_string(instrument.RecordsWritten()),
                                    "resets: " + std::to_string(instrument.Resets()), "written:" + addresses};
    if (const orvantis::TFileResult saved = orvantis::SaveTextLines(options.ReportPath, lines); !saved)
        std::fprintf(stderr, "orvantis-sim: cannot save %s: %s\n", qPrintable(options.ReportPath), qPrintable(saved.Error));
}

}  // namespace

int main(int argc, char* argv[])
{
    const sigset_t waitMask = HoldStopsForTheLoop();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvantis-sim"));
    const std::optional<TSimOptions> options = ReadSimOptions(app);
    if (!options) return 2;

    QByteArray image;
    QString error;
    if (!StartImage(*options, image, &error)) {
        std::fprintf(stderr, "orvantis-sim: cannot load %s: %s\nTry 'orvantis-sim --help'.\n",
                     qPrintable(options->EepromPath), qPrintable(error));
        return 2;
    }
    TPtyLine line;
    if (!line.Open(options->LinkPath, &error)) {
        std::fprintf(stderr, "orvantis-sim: %s\n", qPrintable(error));
        return 1;
    }
    TSimInstrument instrument(options->NameReply, options->VersionReply, image, options->Faults);
    if (!options->Quiet) instrument.OnEvent = Say;
    SaveReport(*options, instrument);
    instrument.OnReset = [&] { SaveReport(*options, instrument); };
    Say(QStringLiteral("%1 on %2 (%3), answering \"%4\" and \"%5\"; Ctrl+C ends")
            .arg(options->LinkPath, line.TerminalPath(), QString::fromLatin1(options->Name),
                 QString::fromLatin1(options->NameReply), QString::fromLatin1(options->VersionReply)));

    RunLoop(line, instrument, *options, waitMask);

    line.Close();
    SaveImage(*options, instrument);
    SaveReport(*options, instrument);
    Say(QStringLiteral("stopped"));
    return 0;
}
