#pragma once
// orvantis-cli term [COMn]: the serial terminal on the text terminal the
// command runs in.

#include "Prompter.h"

#include <QStringList>
#include <functional>

namespace orvantis {

// args: the words after "term": nothing, or a port address ("COM3"), which
// is used like the port of a detected instrument. Log lines go to printLog once the screen is back.
// Returns the exit code: 0 for a clean run, 1 when errors were logged.
int RunTermCommand(const QStringList& args, IPrompter& prompter, const std::function<void(const QString&)>& printLog);

}  // namespace orvantis
