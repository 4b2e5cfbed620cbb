#pragma once
// orvantis-cli's commands on project files, without an instrument.

#include "CliCommand.h"

namespace orvantis {

// new OUT.pro: File New, then Save As OUT.pro.
int RunNew(const TCliCall& call);
// resave IN.pro OUT.pro: File Open IN.pro, then Save As OUT.pro.
int RunResave(const TCliCall& call);

}  // namespace orvantis
