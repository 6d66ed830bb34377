#!/usr/bin/env bash
# Builds and runs the benchmarks: the portable ones natively, the Win32 ones
# under Wine. Each prints its figures as ratios against its baseline.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$DAYLOOM_ROOT/scripts/install-deps.sh"
"$DAYLOOM_ROOT/scripts/build.sh" native win64

for b in "$DAYLOOM_BUILD"/native/bench/portable/*_bench; do
  echo "== $(basename "$b")"
  "$b"
done

source "$DAYLOOM_ROOT/scripts/wine-session.sh"
for b in "$DAYLOOM_BUILD"/win64/testbin/*_bench.exe; do
  echo "== $(basename "$b")"
  DAYLOOM_BIN="$DAYLOOM_BUILD/win64/bin" "$DAYLOOM_ROOT/scripts/wine-test.sh" "$b"
done
