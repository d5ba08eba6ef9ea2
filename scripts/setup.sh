#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, then builds.
# Idempotent and quiet when everything is already there.
#   scripts/setup.sh            install packages, configure and build the default preset
#   scripts/setup.sh --no-build install packages only
#   scripts/setup.sh PRESET     install packages, configure and build PRESET
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev sqlite3
  libmdb3 mdbtools-dev
  libzip-dev libpugixml-dev libdeflate-dev libgumbo-dev libfreexl-dev
  p7zip-full python3-openpyxl python3-docx python3-lxml
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-webengine-dev
  fonts-wqy-microhei xvfb xauth libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "${1:-}" = "--no-build" ] && exit 0
preset=${1:-default}
cd "$(dirname "$0")/.."
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
