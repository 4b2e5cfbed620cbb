#pragma once
// orvantis-sim's main loop: bytes from the pseudo-terminal to the simulated
// instrument and its answers back, paced as asked, until a stop signal or a
// pulled cable.

#include <QString>

#include <csignal>

namespace orvantis::sim {

class TPtyLine;
class TSimInstrument;
struct TSimOptions;

// One time-stamped line on standard output.
void Say(const QString& text);

// Holds SIGINT and SIGTERM from here until the loop waits, so a stop never
// finds the simulator half started: it always ends through the loop, which
// lets the caller remove the link. Returns the mask to wait with.
sigset_t HoldStopsForTheLoop();

// Runs until a stop signal, a failed wait or the hang-up; the line is left open.
// Paces and faults as options ask.
void RunLoop(TPtyLine& line, TSimInstrument& instrument, const TSimOptions& options, const sigset_t& waitMask);

}  // namespace orvantis::sim
