#!/usr/bin/env bash
# Sets up and runs the exam client on the bundled demo installation: installs the packages the
# project needs, builds, makes the demo installation and starts the exam client on it, under
# Xvfb when there is no display. The question bar's browser button starts the browser
# simulation browsim from the installation for the network task; as root, Chromium's sandbox
# refuses to start unless QTWEBENGINE_DISABLE_SANDBOX=1 is set by the caller.
#   scripts/run-demo.sh [INSTALL_DIR]
# Environment: KIRV_PRESET (default "default") picks the build; KIRV_DEMO_SCREEN (default
# 1280x1024x24) is the Xvfb screen.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${KIRV_PRESET:-default}
scripts/setup.sh --no-build
cmake --preset "$preset" >/dev/null
# The programs and controls the demo installation carries, and the tools that make its files.
cmake --build --preset "$preset" --target demo_installation
build=$PWD/build/$preset
install=${1:-$build/demo-install}
tools/make_demo.sh "$build" "$install"
install=$(cd "$install" && pwd)
[ -x "$install/kirv" ] || { echo "run-demo: the exam client was not built" >&2; exit 1; }

# Everything the exam writes stays in the installation: the candidate folders on drive D:, the
# registry store with the lock-down state, and the desktop shortcut.
export KIRV_DRIVE_D="$install/drive_d"
export KIRV_REGISTRY="$install/registry.ini"
export XDG_DESKTOP_DIR="$install/desktop"
mkdir -p "$XDG_DESKTOP_DIR"
export LC_ALL=C.UTF-8

cd "$install"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${KIRV_DEMO_SCREEN:-1280x1024x24}" ./kirv
fi
exec ./kirv
