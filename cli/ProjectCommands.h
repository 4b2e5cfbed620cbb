#pragma once
// orvantis-cli's commands on project files, without an instrument.

#include "CliCommand.h"

namespace orvantis {

// new OUT.pro: File New, then Save As OUT.pro.
int RunNew(const TCliCall& call);
// resave IN.pro OUT.pro: File Open IN.pro, then Save As OUT.pro. These and
// the others refuse a file that does not load whole, unless --force.
int RunResave(const TCliCall& call);
// show IN.pro: the whole project in words.
int RunShow(const TCliCall& call);
// diff A.pro B.pro: the settings that differ, in words; exit 0 when none does.
int RunDiff(const TCliCall& call);

}  // namespace orvantis
