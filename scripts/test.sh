#!/usr/bin/env bash
# Sets up the machine, builds the sanitizer preset (with the fuzzers) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --no-build
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
