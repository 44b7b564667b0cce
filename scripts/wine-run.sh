#!/usr/bin/env bash
# Runs a Windows console program under Wine: wine-run.sh WINEPREFIX PROGRAM ARGS...
# The prefix is made on first use (wineboot, about 10 s), once even when
# several tests start together. No display is needed, and Wine adds no menu
# entries or file types to the desktop of the user who runs the tests.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=${ECVIEW_WINE:-/usr/lib/wine/wine64}
if [ ! -x "$wine" ]; then
  echo "wine-run: $wine is missing (scripts/bootstrap.sh installs wine64)" >&2
  exit 127
fi
if [ ! -e "$WINEPREFIX/.booted" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.booted" ]; then
      "$wine" wineboot --init >/dev/null 2>&1
      "$(dirname "$wine")/wineserver" --wait
      touch "$WINEPREFIX/.booted"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$wine" "$@"
