#!/usr/bin/env bash
# Merges the outputs of several runs of one benchmark program: their lines
# other than ratio lines, run after run, then one ratio line per ratio name
# with the median of its values over the runs (the middle one; for an even
# count, the mean of the two middle ones), the runs' values noted before it.
#   scripts/bench-median.sh RUN1.txt RUN2.txt ...
set -euo pipefail
cat "$@" | tr -d '\r' | awk '
  $1 == "RATIO" {
    name = $0
    sub(/^RATIO[ \t]+[^ \t]+[ \t]+[^ \t]+[ \t]+/, "", name)
    if (!(name in count)) { order[++names] = name; target[name] = $3 }
    values[name, ++count[name]] = $2 + 0
    next
  }
  { print }
  END {
    for (i = 1; i <= names; ++i) {
      name = order[i]
      n = count[name]
      for (a = 1; a <= n; ++a) v[a] = values[name, a]
      for (a = 2; a <= n; ++a)
        for (b = a; b > 1 && v[b - 1] > v[b]; --b) { t = v[b]; v[b] = v[b - 1]; v[b - 1] = t }
      median = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      runs = ""
      for (a = 1; a <= n; ++a) runs = runs sprintf(" %.2f", values[name, a])
      printf "runs of \"%s\":%s\n", name, runs
      printf "RATIO %.2f %s %s\n", median, target[name], name
    }
  }'
