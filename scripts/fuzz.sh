#!/usr/bin/env bash
# Builds the libFuzzer targets (clang host build, ASan + UBSan) and runs each
# for a number of executions or a time, at most JOBS at once, then prints one
# line per target: executions, seconds and whether it crashed.
#
#   scripts/fuzz.sh [RUNS] [--time SECONDS] [--jobs N] [TARGET ...]
#
# RUNS defaults to 10 million; with --time alone a target runs for that long.
# Inputs the fuzzer finds go to build/fuzz/corpus/<target>, crashes to
# build/fuzz/artifacts; copy a crash into tests/data/fuzz/<target>/ once
# mended so that every test run replays it.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build/fuzz"

RUNS=""
TIME=""
JOBS=3
TARGETS=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) TIME="$2"; shift 2 ;;
    --jobs) JOBS="$2"; shift 2 ;;
    -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
    [0-9]*) RUNS="$1"; shift ;;
    *) TARGETS+=("$1"); shift ;;
  esac
done
if [ -z "$RUNS" ] && [ -z "$TIME" ]; then RUNS=10000000; fi

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DSKINGUI_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Every fuzz target this checkout configures (some wait for their reader).
if [ ${#TARGETS[@]} -eq 0 ]; then
  mapfile -t TARGETS < <(cmake --build "$BUILD" --target help | grep -o '\bfuzz_[a-z0-9_]*$' | sort -u)
fi
cmake --build "$BUILD" -j "$JOBS" --target "${TARGETS[@]}" >"$BUILD/build.log" 2>&1 || {
  tail -40 "$BUILD/build.log"
  exit 1
}

mkdir -p "$BUILD/artifacts" "$BUILD/logs"
run_one() {
  local t="$1"
  local corpus="$BUILD/corpus/$t"
  mkdir -p "$corpus"
  local seeds=("$ROOT/tests/data/fuzz/$t")
  [ "$t" = fuzz_skin_reader ] && seeds+=("$ROOT/tests/data/skin-corpus")
  local args=(-timeout=10 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1
              "-artifact_prefix=$BUILD/artifacts/$t-")
  [ -n "$RUNS" ] && args+=("-runs=$RUNS")
  [ -n "$TIME" ] && args+=("-max_total_time=$TIME")
  local start end status=0
  start=$(date +%s)
  "$BUILD/tests/fuzz/$t" "${args[@]}" "$corpus" "${seeds[@]}" >"$BUILD/logs/$t.log" 2>&1 || status=$?
  end=$(date +%s)
  local execs
  execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$BUILD/logs/$t.log" | awk '{print $2}' | tail -1)
  [ -z "$execs" ] && execs=$(grep -o '^#[0-9]*' "$BUILD/logs/$t.log" | tail -1 | tr -d '#')
  local result=ok
  if [ $status -ne 0 ]; then
    result="CRASHED $(grep -o "$BUILD/artifacts/[^ ]*" "$BUILD/logs/$t.log" | tail -1)"
  fi
  printf '%-22s %12s execs %7s s  %s\n' "$t" "${execs:-0}" "$((end - start))" "$result"
}
export -f run_one
export BUILD ROOT RUNS TIME

printf '%s\n' "${TARGETS[@]}" | xargs -P "$JOBS" -I{} bash -c 'run_one {}' | tee "$BUILD/summary.txt"
! grep -q CRASHED "$BUILD/summary.txt"
