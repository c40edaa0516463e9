#!/usr/bin/env bash
# The benchmark table made from program logs: met, missed, equal and absent
# targets, Windows line ends, failed programs and programs without ratios.
set -euo pipefail
table="${1:?bench-table.sh}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'skin: 10 bytes\r\nRATIO 1.78 1.5 whole skin load / bare inflate\r\nRATIO 1.50 1.5 equal\r\n' >"$dir/Load.txt"
echo 0 >"$dir/Load.status"
printf 'morph 1.2 ms\nRATIO 0.90 2 morph 24-bit, k 0.20\nNOT RATIO 9 9 x\n  RATIO 12.50 - reported only\n' >"$dir/effects.txt"
echo 0 >"$dir/effects.status"

out="$(bash "$table" "$dir")" || fail "all programs ran, yet the status is not 0"
expected='| program | ratio measured | value | target | met |
| --- | --- | --- | --- | --- |
| Load | whole skin load / bare inflate | 1.78 | 1.5 | no |
| Load | equal | 1.50 | 1.5 | yes |
| effects | morph 24-bit, k 0.20 | 0.90 | 2 | yes |
| effects | reported only | 12.50 | - | - |'
[ "$out" = "$expected" ] || fail "table differs:
$out"

printf 'crashed\n' >"$dir/Broken.txt"
echo 139 >"$dir/Broken.status"
printf 'RATIO 1.00 2 before the crash\n' >"$dir/Late.txt"
echo 1 >"$dir/Late.status"
printf 'timings only\n' >"$dir/Silent.txt"
echo 0 >"$dir/Silent.status"
status=0
out="$(bash "$table" "$dir")" || status=$?
[ "$status" -eq 1 ] || fail "a failed program leaves status $status"
grep -qx '| Broken | (failed with status 139) | | | |' <<<"$out" || fail "no row for the crash: $out"
grep -qx '| Late | before the crash | 1.00 | 2 | yes |' <<<"$out" || fail "ratios before a failure lost: $out"
grep -qx '| Late | (failed with status 1) | | | |' <<<"$out" || fail "no row for the failure: $out"
grep -qx '| Silent | (printed no ratio line) | | | |' <<<"$out" || fail "no row for the silent program: $out"
echo "bench table: 1 passed, 0 failed"
