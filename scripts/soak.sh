#!/usr/bin/env bash
# The long soak of the gallery under Wine: 1,000 skin switches and every
# menu, drop-down and dialog opened and closed 100 times; prints each round's
# time and the figures (how much slower the last rounds ran than the first,
# the steps that grew most) and fails when windows or GDI objects grew or an
# exception reached the message loop.
#   scripts/soak.sh [SWITCHES [ROUNDS]]
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/gallery.sh" --soak "${1:-1000}" --rounds "${2:-100}" | tr -d '\r'
