#!/bin/bash
# The skin tools under a limit on the size of the files they write, as on a
# full disk: each fails with a message naming the file, the file it would have
# replaced is as it was, and no temporary file stays.
#   tool_saves_whole.sh EMULATOR SKIN_BUILDER SKIN_ART SKIN_INI
# (EMULATOR and SKIN_BUILDER may be empty: the host build has no builder.)
set -u
emulator=$1 builder=$2 art=$3 ini=$4
work=$(mktemp -d ./tool_saves.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
limited() { (trap '' XFSZ; ulimit -f 4; exec $emulator "$@"); }
no_temps() { [ -z "$(find "$work" -name '*.tmp')" ] || fail "a temporary file stayed: $(find "$work" -name '*.tmp')"; }

if [ -n "$builder" ]; then
  printf 'an older pack' >"$work/out.skn"
  limited "$builder" "$ini" "$work/out.skn" >"$work/out.txt" 2>"$work/err.txt" && fail "SkinBuilder said it packed"
  grep -q 'out\.skn' "$work/err.txt" || fail "SkinBuilder's message names no file: $(cat "$work/err.txt")"
  [ "$(cat "$work/out.skn")" = 'an older pack' ] || fail "SkinBuilder changed the older pack"
  no_temps
fi

mkdir -p "$work/skins/Default"
printf 'an older picture' >"$work/skins/Default/frame.bmp"
limited "$art" "$work/skins" >"$work/out.txt" 2>"$work/err.txt" && fail "SkinArt said it drew"
grep -q 'frame\.bmp' "$work/err.txt" || fail "SkinArt's message names no file: $(cat "$work/err.txt")"
[ "$(cat "$work/skins/Default/frame.bmp")" = 'an older picture' ] || fail "SkinArt changed the older picture"
no_temps

# Drawn into a folder named in Chinese and drawn again over its own files:
# every file is where it is named, and who may read, write or run each is
# what it was before (a saved file never gets more).
skins="$work/$(printf '\xe7\x9a\xae\xe8\x82\xa4')"
$emulator "$art" "$skins" >"$work/out.txt" 2>"$work/err.txt" || fail "SkinArt did not draw: $(cat "$work/err.txt")"
[ -s "$skins/Default/skin.ini" ] || fail "SkinArt wrote no skin.ini into $skins/Default: $(ls -R "$work")"
find "$skins" -type f -exec chmod 644 {} +
$emulator "$art" "$skins" >"$work/out.txt" 2>"$work/err.txt" || fail "SkinArt did not draw again: $(cat "$work/err.txt")"
wider=$(find "$skins" -type f -perm /133)
[ -z "$wider" ] || fail "saved files were opened wider than 644: $(stat -c '%a %n' $wider | head -3)"
[ "$(find "$skins" -type f | wc -l)" -gt 40 ] || fail "SkinArt drew too few files"
no_temps
echo "the tools kept their old files"
