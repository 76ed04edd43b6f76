#!/usr/bin/env bash
# Sets up, builds a Release tree and starts the viewer on the bundled samples
# (or on the folder or drawing given as the first argument).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" build/release Release -DTESSVANE_BENCH=OFF
target=${1:-$root/samples}
exe="$root/build/release/app/tessvane"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the viewer inside a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$exe" "$target"
fi
exec "$exe" "$target"
