# Sourced by the scripts that run Windows executables headless: starts a
# private Xvfb display and makes a throwaway template prefix that
# scripts/wine-test.sh copies for each executable. Both go when the shell exits.
wine_session_work="$(mktemp -d "${TMPDIR:-/tmp}/dayloom-wine.XXXXXX")"
wine_session_cleanup() {
  [ -n "${wine_session_xvfb:-}" ] && kill "$wine_session_xvfb" 2>/dev/null || true
  WINEPREFIX="$wine_session_work/template" "$(find_wineserver)" -k 2>/dev/null || true
  rm -rf "$wine_session_work"
}
trap wine_session_cleanup EXIT
for n in $(seq 90 130); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { export DISPLAY=":$n"; break; }
done
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
wine_session_xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export DAYLOOM_WINE_TEMPLATE="$wine_session_work/template"
WINEPREFIX="$DAYLOOM_WINE_TEMPLATE" "$(find_wine)" wineboot -i >/dev/null 2>&1
# Xvfb has no window manager: unmanaged windows spare Wine its wait for one on
# every hide.
WINEPREFIX="$DAYLOOM_WINE_TEMPLATE" "$(find_wine)" reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Managed /d N /f >/dev/null 2>&1
WINEPREFIX="$DAYLOOM_WINE_TEMPLATE" "$(find_wineserver)" -w
