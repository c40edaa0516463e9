#!/usr/bin/env bash
# Builds a copy of examples/Hello as a project of its own, outside the checkout,
# with the commands of docs/guide.md, and runs it under Wine: a user's first run.
# Checks that Hello.exe needs no DLL beside it (only the system's) and that it
# starts, shows and closes with exit code 0, its heaps sound (under Wine's heap
# checks). Used by scripts/test.sh.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$ROOT/build/win32"  # its Wine prefix packs the skins and runs Hello
source "$ROOT/scripts/wine-env.sh"
start_wine

work="$(mktemp -d)"
trap 'rm -rf "$work"; wine_env_cleanup' EXIT
cp -r "$ROOT/examples/Hello" "$work/Hello"
cd "$work"
# The guide's commands, with the checkout as /path/to/skingui.
cmake -S Hello -B build -DSKINGUI_DIR="$ROOT" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-i686-mingw.cmake" >build.log 2>&1 ||
  { cat build.log; echo "Hello outside the tree: configure failed" >&2; exit 1; }
cmake --build build -j 4 >>build.log 2>&1 ||
  { tail -n 40 build.log; echo "Hello outside the tree: build failed" >&2; exit 1; }

# Wine has its own zlib1.dll and would hide a program that needs one beside it:
# the imports are read from the file instead.
system_dll='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|msimg32|uxtheme|winmm|msvcrt|imm32|shlwapi|version|ws2_32|uuid)\.dll$'
foreign="$(i686-w64-mingw32-objdump -p build/Hello.exe | sed -n 's/^\s*DLL Name: //p' |
           tr 'A-Z' 'a-z' | grep -Ev "$system_dll" || true)"
if [ -n "$foreign" ]; then
  echo "Hello outside the tree needs DLLs beside it: $foreign" >&2
  exit 1
fi

status=0
run_with_heap_checks build/Hello.exe --close || status=$?
if [ "$status" -ne 0 ]; then
  echo "Hello outside the tree: Hello.exe --close exited with status $status" >&2
  exit 1
fi
echo "Hello outside the tree: built, needs no DLL beside it, ran and closed with status 0"
