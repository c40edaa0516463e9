#!/usr/bin/env bash
# Long runs of the randomized driver of public calls under Wine's heap checks:
#   scripts/random-calls.sh [first-seed [count [calls]]]    (defaults 1 100 300)
# Each seed runs in a process of its own. Prints each failing seed with its
# last calls (a fault's or hang's stack resolved to functions) and a summary line
# with the failures counted by kind; the status is 1 when a seed failed.
# Build first: cmake --build build/win32 -j8 --target RandomCalls
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"
source "$ROOT/scripts/wine-env.sh"
EXE="$BUILD_DIR/tests/driver/RandomCalls.exe"
[ -f "$EXE" ] || { echo "build RandomCalls first: cmake --build build/win32 -j8 --target RandomCalls" >&2; exit 2; }
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

# Wine keeps its heap checks off when stderr is /dev/null: it goes to a file.
err="$(mktemp)"
trap 'rm -f "$err" "$symbols"; wine_env_cleanup' EXIT
# Passing seeds print one line each; only failures and the summary are shown.
WINEDEBUG=-all,err+heap,warn+heap wine "$EXE" "${1:-1}" "${2:-100}" "${3:-300}" </dev/null 2>"$err" |
  while IFS= read -r line; do
    line="${line%$'\r'}"
    case "$line" in
      "seed "*": ok") ;;
      "  stack:"*)
        echo "$line"
        symbolize $(grep -oE '0x[0-9a-f]+' <<<"$line")
        ;;
      *) echo "$line" ;;
    esac
  done
exit "${PIPESTATUS[0]}"
