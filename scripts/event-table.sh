#!/usr/bin/env bash
# The whole event table under Wine's heap checks: every event the library
# declares crossed with every way a handler frees or re-enters
# (tests/driver/EventTable.cpp). A pair that faults ends its process; the run
# goes on from the next pair.
#   scripts/event-table.sh                 every pair
#   JOBS=3 scripts/event-table.sh          three runs side by side, each with
#                                          a Wine prefix and a display of its own
#                                          (beside scripts/random-calls.sh's runs too)
# Prints each failing pair with its log, then a summary: the pairs by result
# (ok, nothing to act on, not raised, failed; the failures known from faults
# not mended yet counted apart), the same for each way, and the time taken. The status is 1 when a pair
# failed that is not known.
# Build first: cmake --build build/win32 -j3 --target EventTable
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"
JOBS="${JOBS:-1}"
EXE="${EVENT_TABLE_EXE:-$BUILD_DIR/tests/driver/EventTable.exe}"
[ -f "$EXE" ] || { echo "build EventTable first: cmake --build build/win32 -j3 --target EventTable" >&2; exit 2; }
start=$SECONDS

# One run: pairs FIRST, FIRST+STEP, ... below END, started again after each failure.
run_part() {
  local first="$1" end="$2" step="$3" out="$4"
  local err; err="$(mktemp)"
  while [ "$first" -lt "$end" ]; do
    WINEDEBUG=-all,err+heap,warn+heap wine "$EXE" --pairs "$first" "$end" "$step" </dev/null 2>>"$err" | tr -d '\r' >>"$out"
    # The last pair begun; a run that ended early failed there.
    last="$(grep -oE '^pair [0-9]+ ' "$out" | tail -1 | grep -oE '[0-9]+')"
    [ -n "$last" ] || break
    grep -qE "^pair $last .*(: (ok|nothing to act on|not raised)|: FAILED .*)$" "$out" ||
      echo "pair $last: ended without a result" >>"$out"
    first=$((last + step))
  done
  grep -h "err:heap" "$err" | sort | uniq -c | sed 's/^/heap check: /' >>"$out"
  rm -f "$err"
}

total="$(wine "$EXE" --list 2>/dev/null | tr -d '\r' | wc -l)"
if [ "$JOBS" -gt 1 ]; then
  [ -f "$BUILD_DIR/wineprefix/system.reg" ] || { echo "run the tests once first: the runs copy their Wine prefix" >&2; exit 2; }
fi
source "$ROOT/scripts/wine-env.sh"
outs=() pids=()
for ((j = 0; j < JOBS; ++j)); do
  out="$(mktemp)"
  outs+=("$out")
  if [ "$JOBS" -gt 1 ]; then
    # Not the random driver's prefixes: the two long runs may go side by side.
    prefix="$BUILD_DIR/wineprefix-events$j"
    [ -f "$prefix/system.reg" ] || cp -a "$BUILD_DIR/wineprefix" "$prefix"
    ( export SKINGUI_WINEPREFIX="$prefix" SKINGUI_FORCE_XVFB=1
      source "$ROOT/scripts/wine-env.sh"; start_wine >/dev/null 2>&1
      run_part "$j" "$total" "$JOBS" "$out"; wine_env_cleanup ) &
    pids+=($!)
  else
    start_wine >/dev/null 2>&1
    run_part 0 "$total" 1 "$out"
  fi
done
for p in "${pids[@]}"; do wait "$p"; done
cat "${outs[@]}" | python3 -c '
import re, sys
lines = sys.stdin.read().splitlines()
results = {}; known = {}; logs = []; hide = False  # the log of a known failure is not shown
for l in lines:
    m = re.match(r"pair (\d+) (.*?)(?: \(known: ([^)]*)\))?: (ok|nothing to act on|not raised)$", l)
    if m:
        results[int(m.group(1))] = (m.group(2), m.group(4)); hide = False
        continue
    m = re.match(r"pair (\d+) (.*?)(?: \(known: ([^)]*)\))?: pair \d+: FAILED (.*)", l)
    if m:
        results[int(m.group(1))] = (m.group(2), "FAILED"); hide = bool(m.group(3))
        if hide: known[int(m.group(1))] = m.group(3)
        else: logs.append(l)
        continue
    if re.match(r"\d+ pairs:", l) or not l.strip() or (hide and l.startswith("  ")): continue
    hide = False
    logs.append(l)
for l in logs: print(l)
count = {}
for name, r in results.values(): count[r] = count.get(r, 0) + 1
print("not raised: " + ", ".join(sorted({n.split(" x ")[0] for n, r in results.values() if r == "not raised"})))
print("summary: %d pairs: %s; known faults %d (%s)" % (len(results),
      ", ".join("%s %d" % kv for kv in sorted(count.items())), len(known),
      ", ".join(sorted(set(known.values())))))
ways = {}
for name, r in results.values():
    w = ways.setdefault(name.rsplit(" x ", 1)[-1], {})
    w[r] = w.get(r, 0) + 1
for w, c in ways.items():
    print("  %-22s %s" % (w, ", ".join("%s %d" % kv for kv in sorted(c.items()))))
unknown = [i for i, (n, r) in results.items() if r == "FAILED" and i not in known]
print("failing: " + " ".join(map(str, sorted(unknown))) if unknown else "no unknown failure")
sys.exit(1 if unknown else 0)
'
status=$?
rm -f "${outs[@]}"
echo "time: $((SECONDS - start)) s with JOBS=$JOBS"
exit "$status"
