#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test: the
# native logic tests, then the Win32 tests under Wine on a private Xvfb display
# with throwaway prefixes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$DAYLOOM_ROOT/scripts/install-deps.sh"
"$DAYLOOM_ROOT/scripts/build.sh" native win64 win32

echo "== Native tests"
ctest --test-dir "$DAYLOOM_BUILD/native" --output-on-failure

echo "== Wine tests"
source "$DAYLOOM_ROOT/scripts/wine-session.sh"
ctest --test-dir "$DAYLOOM_BUILD/win64" --output-on-failure
