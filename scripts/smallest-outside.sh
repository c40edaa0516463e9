#!/usr/bin/env bash
# Builds the smallest programs of tests/outside as a project of their own,
# outside the checkout, the way docs/guide.md builds Hello, and runs each under
# Wine's heap checks: each links only what it names and checks that the parts it
# never names reached it all the same, and that its heaps are sound at the end. A second configure and build must build nothing.
# Used by scripts/test.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"  # its Wine prefix packs the skin and runs the programs
source "$ROOT/scripts/wine-env.sh"
start_wine

work="$(mktemp -d)"
trap 'rm -rf "$work"; wine_env_cleanup' EXIT
cp -r "$ROOT/tests/outside" "$work/Smallest"
cd "$work"
cmake -S Smallest -B build -DSKINGUI_DIR="$ROOT" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" >build.log 2>&1 ||
  { cat build.log; echo "Smallest programs: configure failed" >&2; exit 1; }
cmake --build build -j 4 >>build.log 2>&1 ||
  { tail -n 40 build.log; echo "Smallest programs: build failed" >&2; exit 1; }

# Configured and built again with nothing changed, nothing builds: no file the
# configure step writes may look newer than what was built from it.
cmake -S Smallest -B build >/dev/null 2>&1
rebuilt="$(cmake --build build -j 4 2>&1 | grep -E 'Building|Linking|Packing' || true)"
if [ -n "$rebuilt" ]; then
  echo "Smallest programs: a second build with nothing changed built again:" >&2
  echo "$rebuilt" >&2
  exit 1
fi

failed=0
for program in MainMenuOnly PageControlOnly MDITabsOnly ShortCutAndTray; do
  status=0
  run_with_heap_checks "build/$program.exe" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "Smallest programs: $program exited with status $status" >&2
    failed=1
  fi
done
exit $failed
