#pragma once
// orvantis-cli's channel plans: listing them, and detection points and scan
// bands filled from them.

#include "CliCommand.h"

namespace orvantis {

// plans: every plan on offer (id, name, channels, width), and the user's plan
// files that were refused with their reasons. plans show ID: the plan's
// channels as a plan file ("channel,centre_khz,bandwidth_mhz").
int RunPlans(const TCliCall& call);
// points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]
int RunPointsPlan(const TCliCall& call);
// bands plan IN.pro BAND ID FIRST LAST OUT.pro
int RunBands(const TCliCall& call);

}  // namespace orvantis
