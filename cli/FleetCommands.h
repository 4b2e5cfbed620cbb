#pragma once
// orvantis-cli's commands on every instrument at once (--all): detect, send
// and receive on each present port in parallel, each port with its own log
// lines (after its port) and a row in the closing table.

#include "CliCommand.h"

namespace orvantis {

// detect --all: one line per instrument that answered; exit 0 when any did.
int RunDetectAll(const TCliCall& call);
// send --all IN.pro: exit 0 only when every instrument took every line.
int RunSendAll(const TCliCall& call);
// receive --all DIR: DIR/<name>-<port>.pro per instrument; exit 0 only when
// every instrument was read whole and saved.
int RunReceiveAll(const TCliCall& call);

}  // namespace orvantis
