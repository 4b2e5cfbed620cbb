#pragma once
// One port's part of a fleet operation, in the port's own thread: a session
// bound to the port detects there and, when an instrument of ours answered,
// sends to it or receives from it. Its log lines and link events go out
// through the reporter; the row says what became of the port.

#include "Fleet.h"

namespace orvantis {

// port: the place in the job's list of the port to work on. Every port
// object it made is closed and deleted when it returns.
TFleetRow RunFleetPort(const TFleetJob& job, int port, TFleetReporter& reporter);

}  // namespace orvantis
