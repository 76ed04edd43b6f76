#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tessvane
# need, and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libdxflib-dev python3-ezdxf
  xvfb xauth
  # desktop integration: MIME types, opening files, fonts (a CJK font so the
  # Chinese interface and drawing texts never show as boxes)
  shared-mime-info xdg-utils desktop-file-utils
  fonts-dejavu-core fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
