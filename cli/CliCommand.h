#pragma once
// What every orvantis-cli command is given, and its exit codes. Each command
// prints the log lines the window would log and tells why it failed on
// standard error.

#include "PortAddress.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvantis {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

struct TCliCall {
    QStringList Args;                 // the words after the command's name
    const QCommandLineParser& Parser;  // for the options
    int Model = 0;                    // --model and --fw: the instrument a
    float Version = 3.0f;             // project is prepared for offline
    std::optional<TPortAddress> Port;  // --port: the one port to try
};

// "orvantis-cli: <problem>" and the hint to --help; returns ExitUsage.
int Usage(const QString& problem);
// One log line on standard output.
void PrintLog(const QString& line);

}  // namespace orvantis
