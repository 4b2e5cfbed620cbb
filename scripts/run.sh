#!/usr/bin/env bash
# Builds the program (installing missing Debian packages first) and starts it.
#
# By default a simulated instrument (orvantis-sim) is attached as COM1 in a
# temporary port folder, so Tools > Detect finds it at once. With --instrument
# the program uses the system's serial ports (or ORVANTIS_PORT_DIR if set).
# Other arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

use_sim=1
if [ "${1:-}" = "--instrument" ]; then
  use_sim=0
  shift
fi

scripts/deps.sh
cmake --preset default >/dev/null
# Only what runs here: the tests are built by scripts/test.sh.
cmake --build --preset default -j"$(nproc)" --target orvantis orvantis-sim

launch=(build/default/app/orvantis "$@")
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the program in a virtual X server (xvfb-run), where it cannot be seen." >&2
  echo "Run this from a desktop session, or over ssh -X, to use it." >&2
  launch=(xvfb-run -a "${launch[@]}")
fi

if [ "$use_sim" = 0 ]; then
  exec "${launch[@]}"
fi

ports=$(mktemp -d)
build/default/sim/orvantis-sim --dir "$ports" --com 1 --quiet &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$ports"' EXIT
for _ in $(seq 50); do [ -L "$ports/COM1" ] && break; sleep 0.1; done
echo "A simulated Orvantis+ (OV+ DVB-T2) is on COM1 ($ports/COM1). Use --instrument for real ports."
ORVANTIS_PORT_DIR=$ports "${launch[@]}"
