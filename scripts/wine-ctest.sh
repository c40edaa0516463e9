#!/usr/bin/env bash
# Runs CTest on the Windows build under Wine, passing its arguments on
# (for example: scripts/wine-ctest.sh -R test_graphics). Build first with
#   cmake --build build/win32 -j
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"
source "$ROOT/scripts/wine-env.sh"
start_wine
ctest --test-dir "$BUILD_DIR" --output-on-failure "$@"
