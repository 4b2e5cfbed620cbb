#pragma once
// orvantis-cli's points files: the detection points of a project as CSV.

#include "CliCommand.h"

namespace orvantis {

// points export IN.pro OUT.csv: every point in use, in the points editor's words.
// points import IN.pro POINTS.csv OUT.pro: IN.pro with the points the file
// gives, saved as OUT.pro; nothing is written unless every row passes.
int RunPoints(const TCliCall& call);

}  // namespace orvantis
