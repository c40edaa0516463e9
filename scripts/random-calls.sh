#!/usr/bin/env bash
# Long runs of the randomized driver of public calls under Wine's heap checks:
#   scripts/random-calls.sh [first-seed [count [calls]]]    (defaults 1 100 300)
#   JOBS=4 scripts/random-calls.sh 1 1000                   four runs side by side
# Each seed runs in a process of its own. Prints each failing seed with its
# last calls (a fault's or hang's stack resolved to functions), a summary line
# with the failures counted by kind, and what the passing seeds left: the
# windows and GDI objects each process held after freeing everything, beyond
# what it held before (Wine keeps the window contexts it made: the GDI count
# is the most a seed held at once, see tests/driver/WineDcCache.cpp); the
# status is 1 when a seed failed.
# With JOBS above 1 the seeds are dealt out to that many runs, each with a Wine
# prefix (a copy of the build's, made once) and a display of its own.
# Build first: cmake --build build/win32 -j8 --target RandomCalls
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"
FIRST="${1:-1}" COUNT="${2:-100}" CALLS="${3:-300}" JOBS="${JOBS:-1}"
# RANDOM_CALLS_EXE runs another build of the driver (a copy kept while the tree is rebuilt).
EXE="${RANDOM_CALLS_EXE:-$BUILD_DIR/tests/driver/RandomCalls.exe}"
[ -f "$EXE" ] || { echo "build RandomCalls first: cmake --build build/win32 -j8 --target RandomCalls" >&2; exit 2; }

# The passing seeds' counts, gathered from every run into one file.
own_counts=""
if [ -z "${RANDOM_CALLS_COUNTS:-}" ]; then
  export RANDOM_CALLS_COUNTS="$(mktemp)"
  own_counts=1
fi
print_counts() {
  [ -n "$own_counts" ] || return 0
  python3 - "$RANDOM_CALLS_COUNTS" <<'PY'
import re, statistics, sys
rows = [tuple(map(int, m.groups())) for m in
        (re.search(r"windows (-?\d+), gdi (-?\d+)", l) for l in open(sys.argv[1])) if m]
if rows:
    w = [r[0] for r in rows]; g = sorted(r[1] for r in rows)
    print("left after a passing seed: windows at most %d; GDI objects %d to %d, median %d" %
          (max(w), g[0], g[-1], statistics.median_low(g)))
PY
  rm -f "$RANDOM_CALLS_COUNTS"
}

if [ "$JOBS" -gt 1 ]; then
  [ -f "$BUILD_DIR/wineprefix/system.reg" ] || { echo "run the tests once first: the runs copy their Wine prefix" >&2; exit 2; }
  outs=() pids=()
  for ((j = 0; j < JOBS; ++j)); do
    seeds=""
    for ((s = FIRST + j; s < FIRST + COUNT; s += JOBS)); do seeds+="${seeds:+,}$s"; done
    [ -n "$seeds" ] || continue
    prefix="$BUILD_DIR/wineprefix-run$j"
    [ -f "$prefix/system.reg" ] || cp -a "$BUILD_DIR/wineprefix" "$prefix"
    out="$(mktemp)"
    outs+=("$out")
    SKINGUI_WINEPREFIX="$prefix" SKINGUI_FORCE_XVFB=1 SEEDS="$seeds" JOBS=1 "$0" "$FIRST" "$COUNT" "$CALLS" >"$out" 2>&1 &
    pids+=($!)
  done
  status=0
  for p in "${pids[@]}"; do wait "$p" || status=1; done
  grep -hv '^summary:' "${outs[@]}"
  # One summary for all runs, from theirs.
  grep -h '^summary:' "${outs[@]}" | python3 -c '
import re, sys
total = passed = 0; kinds = {}; failing = []
for line in sys.stdin:
    m = re.match(r"summary: (\d+) seeds of (\d+) calls: (\d+) passed, (\d+) failed(?: \(([^)]*)\))?(?:; failing:(.*))?", line)
    if not m: continue
    total += int(m[1]); passed += int(m[3]); calls = m[2]
    for k in (m[5] or "").split(", "):
        if k: name, n = k.rsplit(" ", 1); kinds[name] = kinds.get(name, 0) + int(n)
    failing += (m[6] or "").split()
by = ", ".join("%s %d" % kv for kv in sorted(kinds.items()))
print("summary: %d seeds of %s calls: %d passed, %d failed%s%s" % (total, calls, passed, total - passed,
      " (%s)" % by if by else "", "; failing: " + " ".join(sorted(failing, key=int)) if failing else ""))
'
  rm -f "${outs[@]}"
  print_counts
  exit "$status"
fi

source "$ROOT/scripts/wine-env.sh"
start_wine

# Each address as the function it lies in (the program keeps its symbols, not its lines).
symbols="$(mktemp)"
i686-w64-mingw32-nm -C -n "$EXE" | grep -E '^[0-9a-f]+ [Tt] ' >"$symbols"
symbolize() {
  python3 - "$symbols" "$@" <<'PY'
import bisect, sys
rows = [l.rstrip("\n").split(" ", 2) for l in open(sys.argv[1])]
starts = [int(r[0], 16) for r in rows]
for a in sys.argv[2:]:
    i = bisect.bisect_right(starts, int(a, 16)) - 1
    print("    %s %s" % (a, rows[i][2] if i >= 0 else "?"))
PY
}

if [ -n "${SEEDS:-}" ]; then args=(--seeds "$SEEDS" "$CALLS"); else args=("$FIRST" "$COUNT" "$CALLS"); fi
# Wine keeps its heap checks off when stderr is /dev/null: it goes to a file.
err="$(mktemp)"
trap 'rm -f "$err" "$symbols"; wine_env_cleanup' EXIT
# Passing seeds print one line each; only failures and the summary are shown.
WINEDEBUG=-all,err+heap,warn+heap wine "$EXE" "${args[@]}" </dev/null 2>"$err" |
  while IFS= read -r line; do
    line="${line%$'\r'}"
    case "$line" in
      "seed "*": ok"*) echo "$line" >>"$RANDOM_CALLS_COUNTS" ;;
      "  stack:"*)
        echo "$line"
        symbolize $(grep -oE '0x[0-9a-f]+' <<<"$line")
        ;;
      *) echo "$line" ;;
    esac
  done
status="${PIPESTATUS[0]}"
print_counts
exit "$status"
