#!/usr/bin/env bash
# Runs one Windows test executable under Wine in a fresh copy of the template
# prefix that scripts/test.sh made, so no test sees another's registry or files,
# and the user's own ~/.wine is never touched.
#   scripts/wine-test.sh TEST.exe [args...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
: "${DAYLOOM_WINE_TEMPLATE:?run the Wine tests through scripts/test.sh}"
prefix="$(mktemp -d "${TMPDIR:-/tmp}/dayloom-prefix.XXXXXX")"
cp -a "$DAYLOOM_WINE_TEMPLATE/." "$prefix/"
export WINEPREFIX="$prefix"
wine="$(find_wine)"
wineserver="$(find_wineserver)"
export DAYLOOM_WINE="$wine"
"$wine" "$@"
rc=$?
"$wineserver" -k 2>/dev/null
"$wineserver" -w 2>/dev/null
rm -rf "$prefix"
exit $rc
