#!/usr/bin/env bash
# Builds and runs every benchmark program in bench/ and prints one table of
# their ratios with the targets. The portable programs run natively from a
# Release host build; the Windows ones run under Wine from the Windows build.
# Each program's ratio lines ("RATIO value target name", see
# bench/BenchTiming.h) make the table: no program is named here.
#   scripts/bench.sh            build, run, print the table
#   scripts/bench.sh --repeat N [PROGRAM...]
#                               run each program (or only those named) N
#                               times; each ratio is the median of the runs
#   SKINGUI_BENCH_JOBS=N        build jobs (default 3)
# The full output of each program goes to build/bench-logs/NAME.txt (with
# repeats: every run's output, then the median ratios, scripts/bench-median.sh);
# the table comes from there (scripts/bench-table.sh). The exit status is 1
# when a program failed or printed no ratio, whatever the figures.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
REPEAT=1
if [ "${1:-}" = "--repeat" ]; then
  REPEAT="${2:?--repeat needs a count}"
  shift 2
fi
declare -A only=()
for name in "$@"; do only["$name"]=1; done
"$ROOT/scripts/install-deps.sh"
JOBS="${SKINGUI_BENCH_JOBS:-3}"

HOST_DIR="$ROOT/build/bench-host"
cmake -S "$ROOT" -B "$HOST_DIR" -DCMAKE_BUILD_TYPE=Release -DSKINGUI_TESTS=OFF >/dev/null
cmake --build "$HOST_DIR" -j "$JOBS" --target benchmarks >/dev/null

BUILD_DIR="$ROOT/build/win32"
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
# The Windows build packs skins with SkinBuilder under Wine, and the Windows
# benchmarks open windows: the prefix, a display and the wineserver first.
source "$ROOT/scripts/wine-env.sh"
start_wine
cmake --build "$BUILD_DIR" -j "$JOBS" --target benchmarks >/dev/null

LOG_DIR="$ROOT/build/bench-logs"
rm -rf "$LOG_DIR"
mkdir -p "$LOG_DIR"

# run_program NAME COMMAND...: runs one program REPEAT times, their outputs
# merged into NAME.txt and the last failing exit status (else 0) in NAME.status.
run_program() {
  local name="$1"
  shift
  if [ "${#only[@]}" -gt 0 ] && [ -z "${only[$name]:-}" ]; then return; fi
  local status=0 run
  mkdir -p "$LOG_DIR/runs"
  for run in $(seq "$REPEAT"); do
    echo "running $name ($run of $REPEAT) ..." >&2
    (cd "$ROOT" && timeout 900 "$@" </dev/null >"$LOG_DIR/runs/$name.$run.txt" 2>&1) || status=$?
  done
  "$ROOT/scripts/bench-median.sh" "$LOG_DIR/runs/$name".*.txt >"$LOG_DIR/$name.txt"
  echo "$status" >"$LOG_DIR/$name.status"
}

# Programs that the host build has run natively; the Windows build's copies
# of them are skipped.
declare -A native=()
while read -r program; do
  [ -n "$program" ] || continue
  name="$(basename "$program")"
  native["$name"]=1
  run_program "$name" "$program"
done <"$HOST_DIR/bench/benchmarks.txt"

while read -r program; do
  [ -n "$program" ] || continue
  name="$(basename "$program" .exe)"
  [ -z "${native[$name]:-}" ] || continue
  run_program "$name" wine "$program"
done <"$BUILD_DIR/bench/benchmarks.txt"

echo
status=0
"$ROOT/scripts/bench-table.sh" "$LOG_DIR" || status=$?
exit $status
