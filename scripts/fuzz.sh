#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one of them:
#   scripts/fuzz.sh NAME [SECONDS]
# New interesting inputs are added to tests/fuzz/inputs/NAME; crashing inputs
# are written to build/fuzz/crashes/NAME (copy them into the inputs folder once
# the fault is fixed, so the replay test keeps it fixed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=$1 seconds=${2:-600}
"$root/scripts/deps.sh"
CC=clang CXX=clang++ "$root/scripts/build.sh" build/fuzz RelWithDebInfo \
  -DTESSVANE_FUZZ=ON -DTESSVANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined"
mkdir -p "$root/build/fuzz/crashes/$name" "$root/tests/fuzz/inputs/$name"
exe=$(find "$root/build/fuzz" -name "${name}_fuzzer" -type f -perm -u+x | head -1)
"$exe" -max_total_time="$seconds" -artifact_prefix="$root/build/fuzz/crashes/$name/" \
  "$root/tests/fuzz/inputs/$name"
