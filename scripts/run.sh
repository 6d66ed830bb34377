#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and starts it under Wine
# in a virtual desktop (with taskbar and tray) on the user's display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$DAYLOOM_ROOT/scripts/install-deps.sh"
"$DAYLOOM_ROOT/scripts/build.sh" win64
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-dayloom}"
wine="$(find_wine)"
[ -d "$WINEPREFIX" ] || "$wine" wineboot -i >/dev/null 2>&1
cd "$DAYLOOM_BUILD/win64/bin"
exec "$wine" explorer /desktop=Dayloom,1280x800 Dayloom.exe "$@"
