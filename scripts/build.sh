#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR BUILD_TYPE [cmake args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1 type=$2
shift 2
cmake -S "$root" -B "$root/$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
cmake --build "$root/$dir" --parallel "$(nproc)"
