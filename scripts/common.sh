# Shared settings of the project's scripts (sourced, not run).
DAYLOOM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DAYLOOM_BUILD="${DAYLOOM_BUILD:-$DAYLOOM_ROOT/build}"
JOBS="${JOBS:-$(nproc)}"

# Debian keeps the 64-bit Wine loader outside PATH.
find_wine() {
  for w in /usr/lib/wine/wine64 "$(command -v wine64 2>/dev/null)" "$(command -v wine 2>/dev/null)"; do
    [ -n "$w" ] && [ -x "$w" ] && { echo "$w"; return; }
  done
  echo "wine not found" >&2; return 1
}
find_wineserver() {
  for w in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver "$(command -v wineserver 2>/dev/null)"; do
    [ -n "$w" ] && [ -x "$w" ] && { echo "$w"; return; }
  done
  echo "wineserver not found" >&2; return 1
}
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
