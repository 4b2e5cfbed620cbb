#!/usr/bin/env bash
# Builds the program (installing missing Debian packages first) and starts it.
# Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting the program in a virtual X server (xvfb-run). To see it, run this" >&2
  echo "from a desktop session, or with X forwarding (ssh -X)." >&2
  exec xvfb-run -a build/default/app/orvantis "$@"
fi
exec build/default/app/orvantis "$@"
