#!/usr/bin/env bash
# Builds the gallery program and runs it under Wine.
#   scripts/gallery.sh                 show it on $DISPLAY (or on a new Xvfb display)
#   scripts/gallery.sh --shot out.png  run it on Xvfb, save a screenshot, close it
# Any further arguments go to the gallery (e.g. --page 2, --dark, --mdi for the
# MDI demo window, --mdimax for it with a child maximized).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"

BUILD_DIR="$ROOT/build/win32"
shot=""
args=()
# --shot FILE may stand anywhere among the arguments.
while [ $# -gt 0 ]; do
  if [ "$1" = "--shot" ]; then
    shot="$(realpath -m "${2:?file name}")"
    export SKINGUI_FORCE_XVFB=1
    shift 2
  else
    args+=("$1")
    shift
  fi
done
set -- "${args[@]+"${args[@]}"}"

cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
# The build packs the skins with SkinBuilder under Wine: the prefix first.
source "$ROOT/scripts/wine-env.sh"
start_wine
cmake --build "$BUILD_DIR" -j "$(nproc)" --target Gallery
cd "$ROOT"
if [ -n "$shot" ]; then
  wine "$BUILD_DIR/demo/Gallery.exe" "$@" &
  pid=$!
  sleep "${SKINGUI_SHOT_DELAY:-4}"
  import -window root "$shot"
  kill $pid 2>/dev/null || true
  echo "Screenshot: $shot"
else
  echo "Gallery on display $DISPLAY"
  wine "$BUILD_DIR/demo/Gallery.exe" "$@"
fi
