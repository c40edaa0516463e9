#!/usr/bin/env bash
# The long soak of the gallery under Wine: 1,000 skin switches and every
# menu, drop-down and dialog opened and closed 100 times; prints the figures.
#   scripts/soak.sh [SWITCHES [ROUNDS]]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
switches="${1:-1000}"
rounds="${2:-100}"

BUILD_DIR="$ROOT/build/win32"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
source "$ROOT/scripts/wine-env.sh"
start_wine
cmake --build "$BUILD_DIR" -j 3 --target Gallery
cd "$BUILD_DIR/demo"
wine ./Gallery.exe --soak "$switches" --rounds "$rounds" | tr -d '\r'
