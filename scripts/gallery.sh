#!/usr/bin/env bash
# Builds the gallery program and runs it under Wine.
#   scripts/gallery.sh                 show it on $DISPLAY (or on a new Xvfb display)
#   scripts/gallery.sh --shot out.png  run it on Xvfb, save a screenshot once the
#                                      gallery (and a menu asked for) has painted,
#                                      close it; fails when the picture is blank
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
  # The gallery writes this file once its windows (and a menu it was asked to
  # open) show and are painted; a Windows path to it through Wine's drive Z:.
  ready="$(mktemp -u)"
  export SKINGUI_READY_FILE="Z:${ready//\//\\}"
  wine "$BUILD_DIR/demo/Gallery.exe" "$@" &
  pid=$!
  waited=0
  while [ ! -e "$ready" ]; do
    if ! kill -0 $pid 2>/dev/null; then
      status=0
      wait $pid || status=$?
      echo "No screenshot: the gallery ended (status $status) before it had painted" >&2
      exit 1
    fi
    if [ $waited -ge 600 ]; then
      kill $pid 2>/dev/null || true
      echo "No screenshot: the gallery had not painted (or opened the menu asked for) after 60 s" >&2
      exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  rm -f "$ready"
  # Wine hands what a window painted to the X server a moment later.
  sleep 0.5
  import -window root "$shot"
  kill $pid 2>/dev/null || true
  # A blank picture (the screen's black, or one colour all over) is no screenshot.
  colours="$(convert "$shot" -format %k info:)"
  if [ "$colours" -lt 16 ]; then
    echo "Blank screenshot: $shot has only $colours colours" >&2
    exit 1
  fi
  echo "Screenshot: $shot"
else
  echo "Gallery on display $DISPLAY"
  wine "$BUILD_DIR/demo/Gallery.exe" "$@"
fi
