#!/usr/bin/env bash
# Builds the native logic and tests, and the 64-bit and 32-bit Windows programs.
#   scripts/build.sh [native] [win64] [win32]   (default: all three)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native win64 win32)
for t in "${targets[@]}"; do
  case "$t" in
    native) args=() ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$DAYLOOM_ROOT/cmake/mingw-x86_64.cmake") ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$DAYLOOM_ROOT/cmake/mingw-i686.cmake" -DDAYLOOM_TESTS=OFF -DDAYLOOM_BENCHMARKS=OFF) ;;
    *) echo "unknown target $t" >&2; exit 2 ;;
  esac
  cmake -S "$DAYLOOM_ROOT" -B "$DAYLOOM_BUILD/$t" -G Ninja -DCMAKE_BUILD_TYPE=Release "${args[@]}" >/dev/null
  cmake --build "$DAYLOOM_BUILD/$t" -j "$JOBS"
done
