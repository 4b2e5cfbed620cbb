#pragma once
// A project that did not load whole holds defaults where its file has
// settings: saving it, exporting from it, comparing it or showing it would
// pass those defaults off as the file's. Each such command stops, naming
// the line, unless the user gave --force.

#include "CliCommand.h"

namespace orvantis {

class TProject;

// True when the command must stop: the line and "nothing <done>" are said on
// standard error. With --force the project is taken as it loaded.
bool RefusePartLoad(TProject& project, const TCliCall& call, const char* done);

}  // namespace orvantis
