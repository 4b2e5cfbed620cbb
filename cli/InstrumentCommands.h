#pragma once
// orvantis-cli's commands with the instrument: the same sequences as the
// window's Detect, Receive and Send. With --all, detect, receive and send go
// to every instrument at once (FleetCommands.h).

#include "CliCommand.h"

#include <functional>

namespace orvantis {

// ports: "COM3  /dev/ttyUSB0", one line per COM name whose device is there.
int RunPorts(const TCliCall& call);
// detect: exit 0 when the instrument was found.
int RunDetect(const TCliCall& call);
// receive OUT.pro: writes OUT.pro only when every area was read.
int RunReceive(const TCliCall& call);
// send IN.pro: exit 0 only when every line was acknowledged (and, with
// --verify, the instrument then holds the project's settings).
int RunSend(const TCliCall& call);
// send of the file args[0] with the options of call; acceptInstrument (when
// given) may refuse the instrument found before anything is written.
int SendFile(const TCliCall& call, const std::function<bool(const QString& instrument)>& acceptInstrument);
// verify IN.pro: exit 0 when the instrument holds the settings of IN.pro.
int RunVerify(const TCliCall& call);

}  // namespace orvantis
