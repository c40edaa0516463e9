#!/usr/bin/env bash
# Measures how many one-line changes of a source file the tests catch.
#
#   scripts/mutants.sh BUILD_DIR FILE TARGETS TEST_REGEX [LINES]
#
# For each line of FILE (or each of LINES: "12 40-55 80"), each change below
# that applies is made alone: a comparison flipped, && and || swapped, true
# and false swapped, a condition negated, an integer constant changed, a
# statement dropped. TARGETS (comma-separated) are then built in BUILD_DIR
# and the tests matching TEST_REGEX run there; a change the tests fail on is
# caught, one they pass is missed, one that does not build is not counted.
# FILE is put back after each change, and at the end even on Ctrl-C. A Windows
# build dir runs its tests under Wine (scripts/wine-env.sh).
# Output: one line a change ("caught"/"MISSED"/"nobuild", line, what) and
# the share caught.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$(cd "$1" && pwd)"
FILE="$(realpath "$2")"
TARGETS="${3//,/ }"
REGEX="$4"
LINES="${5:-}"
JOBS="${MUTANT_JOBS:-4}"
export BUILD_DIR

if grep -q '^CMAKE_TOOLCHAIN_FILE:.*mingw' "$BUILD_DIR/CMakeCache.txt" 2>/dev/null; then
  source "$ROOT/scripts/wine-env.sh"
  start_wine
fi

BACKUP="$(mktemp)"
cp "$FILE" "$BACKUP"
restore() { cp "$BACKUP" "$FILE"; touch "$FILE"; }
trap 'restore; rm -f "$BACKUP"; wine_env_cleanup 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM

# Lists the changes as "line<TAB>description<TAB>new line text", one a line.
list_mutants() {
  python3 - "$FILE" "$LINES" <<'PY'
import re, sys
path, spec = sys.argv[1], sys.argv[2]
src = open(path, encoding="utf-8").read().split("\n")
wanted = set()
for part in spec.split():
    a, _, b = part.partition("-")
    wanted.update(range(int(a), int(b or a) + 1))
swaps = [("==", "!="), ("!=", "=="), ("<=", "<"), (">=", ">"), ("&&", "||"), ("||", "&&"),
         ("true", "false"), ("false", "true")]
def code_part(line):
    # What precedes a line comment and lies outside string literals.
    out, quote = [], None
    i = 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\": i += 1
            elif c == quote: quote = None
            out.append(" ")
        elif c in "\"'":
            quote = c; out.append(" ")
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)
for n, line in enumerate(src, 1):
    if wanted and n not in wanted: continue
    code = code_part(line)
    s = code.strip()
    if not s or s.startswith("#") or s in ("{", "}", "};"): continue
    seen = set()
    def emit(what, new):
        # At most three changes a line keep a run of a few hundred lines short.
        if new != line and new not in seen and len(seen) < 3:
            seen.add(new)
            print(f"{n}\t{what}\t{new}")
    for a, b in swaps:
        pat = r"\b%s\b" % a if a.isalpha() else re.escape(a)
        m = re.search(pat, code)
        if m: emit(f"{a} -> {b}", line[:m.start()] + b + line[m.end():])
    for m in re.finditer(r"(?<![<>=!-])([<>])(?![<>=])", code):
        # A lone < or > that compares (not a template's or a shift's).
        before, after = code[:m.start()], code[m.end():]
        if re.search(r"\w\s*$", before) and re.match(r"\s+[\w(]", after) and not re.search(r"(template|static_cast|dynamic_cast|reinterpret_cast|unique_ptr|vector|function)\s*$", before):
            emit(f"{m.group(1)} -> {m.group(1)}=", line[:m.end()] + "=" + line[m.end():])
            break
    m = re.search(r"\b(if|while)\s*\(", code)
    if m:
        depth, i = 0, m.end() - 1
        for j in range(i, len(code)):
            depth += code[j] == "("
            depth -= code[j] == ")"
            if depth == 0:
                emit("negate condition", line[:i + 1] + "!(" + line[i + 1:j] + ")" + line[j:])
                break
    m = re.search(r"(?<![\w.])(\d+)(?![\w.])", code)
    if m and not re.search(r"\[\s*$", code[:m.start()]):
        v = int(m.group(1))
        emit(f"{v} -> {v + 1 if v != 1 else 0}", line[:m.start()] + str(v + 1 if v != 1 else 0) + line[m.end():])
    # A whole statement on its own line, dropped (no declaration, no return).
    if re.match(r"^[\w:>.\-()\[\]*&!, ]+\(.*\);$", s) and not re.match(r"^(if|else|while|for|return|const|auto|int|bool|TPoint|HWND|HDC)\b", s):
        emit("drop statement", re.match(r"^\s*", line).group(0) + ";")
    m = re.match(r"^(\s*(?:if\s*\(.*\)|else)\s+)([^{].*;)$", code.rstrip())
    if m and not s.startswith("return"):
        emit("drop guarded statement", line[:len(m.group(1))] + ";")
PY
}

# The tests in a process group of their own, ended whole when a change makes
# them hang (a hang fails).
run_tests() {
  setsid ctest --test-dir "$BUILD_DIR" -R "$REGEX" >/dev/null 2>&1 &
  local group=$! waited=0
  while kill -0 "$group" 2>/dev/null; do
    if [ "$waited" -ge "${MUTANT_TIMEOUT:-90}" ]; then
      kill -KILL -- "-$group" 2>/dev/null
      wait "$group" 2>/dev/null
      return 1
    fi
    sleep 1
    waited=$((waited + 1))
  done
  wait "$group"
}

caught=0 missed=0 nobuild=0
while IFS=$'\t' read -r n what text; do
  python3 - "$FILE" "$n" "$text" <<'PY'
import sys
path, n, text = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lines = open(path, encoding="utf-8").read().split("\n")
lines[n - 1] = text
open(path, "w", encoding="utf-8").write("\n".join(lines))
PY
  if ! cmake --build "$BUILD_DIR" -j "$JOBS" --target $TARGETS >/dev/null 2>&1; then
    result=nobuild; nobuild=$((nobuild + 1))
  elif run_tests; then
    result=MISSED; missed=$((missed + 1))
  else
    result=caught; caught=$((caught + 1))
  fi
  printf '%s\t%s\t%s\t%s\n' "$result" "$n" "$what" "$(sed 's/^ *//' <<<"$text")"
  restore
done < <(list_mutants)
# The unchanged file built again, so the build dir is left as it was.
cmake --build "$BUILD_DIR" -j "$JOBS" --target $TARGETS >/dev/null 2>&1
total=$((caught + missed))
echo "caught $caught of $total ($(( total ? caught * 100 / total : 0 ))%), $nobuild did not build"
