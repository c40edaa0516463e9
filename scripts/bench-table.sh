#!/usr/bin/env bash
# Prints the benchmark table from the logs that scripts/bench.sh leaves in a
# folder: NAME.txt holds a program's output, NAME.status its exit status.
# Every "RATIO value target name" line (see bench/BenchTiming.h) becomes a
# row; a ratio meets its target when it is at most the target.
#   scripts/bench-table.sh LOG_FOLDER
# Exit status 1 when a program failed or printed no ratio line.
set -euo pipefail
dir="${1:?log folder}"
failed=0
echo "| program | ratio measured | value | target | met |"
echo "| --- | --- | --- | --- | --- |"
for log in "$dir"/*.txt; do
  [ -e "$log" ] || continue
  name="$(basename "$log" .txt)"
  status="$(cat "$dir/$name.status" 2>/dev/null || echo missing)"
  found=0
  # Windows programs end their lines with CR LF.
  while read -r tag value target rest; do
    [ "$tag" = "RATIO" ] || continue
    found=1
    met="-"
    if [ "$target" != "-" ]; then
      met=$(awk -v v="$value" -v t="$target" 'BEGIN { print (v + 0 <= t + 0) ? "yes" : "no" }')
    fi
    echo "| $name | $rest | $value | $target | $met |"
  done < <(tr -d '\r' <"$log")
  if [ "$status" != "0" ]; then
    echo "| $name | (failed with status $status) | | | |"
    failed=1
  elif [ "$found" -eq 0 ]; then
    echo "| $name | (printed no ratio line) | | | |"
    failed=1
  fi
done
exit $failed
