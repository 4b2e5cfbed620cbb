#pragma once
// orvantis-sim's command line: where its link goes, which instrument it
// plays, and the faults it shows.

#include "SimInstrument.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QCoreApplication;

namespace orvantis::sim {

struct TSimOptions {
    QString LinkPath;          // the link to create
    QByteArray Name;           // as the instrument answers it
    QByteArray NameReply;      // the whole reply line to "*?NAM"
    QByteArray VersionReply;   // the whole reply line to "*?VER"
    int ImageRow = 0;          // model table row whose factory contents the memory starts with
    float Version = 3.0f;      // the firmware version as a number
    QString EepromPath;        // project file loaded at start and saved after writes; empty for none
    TFaults Faults;
    int HangupAfter = -1;      // closes the line after this many commands (-1: never)
    int SlowMs = 0;            // pause before XOFF, ACK and the reply
    bool Pace = false;         // carry bytes at 115200 baud
    bool Quiet = false;        // print only the start line
    QString ReportPath;        // the count of records written, kept at every reset and at the end; empty for none
};

// The options of the application's command line. --help prints and ends the
// process; a misuse is told on standard error and gives nothing.
std::optional<TSimOptions> ReadSimOptions(const QCoreApplication& app);

}  // namespace orvantis::sim
