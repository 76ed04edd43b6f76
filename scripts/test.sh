#!/usr/bin/env bash
# Sets up, builds and runs every test with CTest, Qt on its offscreen platform.
# TESSVANE_SANITIZE=1 builds the tests with AddressSanitizer and UBSan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
if [ "${TESSVANE_SANITIZE:-0}" = 1 ]; then
  dir=build/asan
  "$root/scripts/build.sh" "$dir" Debug -DTESSVANE_SANITIZE=ON
else
  dir=build/test
  "$root/scripts/build.sh" "$dir" RelWithDebInfo
fi
export QT_QPA_PLATFORM=offscreen
cd "$root/$dir"
ctest --output-on-failure --parallel "$(nproc)" "$@"
