#!/usr/bin/env bash
# Runs a Windows console program under Wine: wine-run.sh WINEPREFIX PROGRAM ARGS...
# (or --start-server / --stop-server: a server that stays until stopped)
# The prefix is made on first use (wineboot, about 10 s), once even when
# several tests start together. No display is needed, and Wine adds no menu
# entries or file types to the desktop of the user who runs the tests.
set -euo pipefail
export WINEPREFIX=$1
shift
# With ECVIEW_WINE_HEAP_CHECK=1, Wine's heap checks are on: a block freed
# twice, or a pointer freed that never came from the heap, is reported (and
# the run fails) where Windows itself might only corrupt the heap and crash
# one run in a hundred. They slow programs that allocate much down tenfold
# and more, so only the tests of code that runs on several threads ask.
heap_check=${ECVIEW_WINE_HEAP_CHECK:-0}
if [ "$heap_check" = 1 ]; then export WINEDEBUG=-all,warn+heap; else export WINEDEBUG=-all; fi
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=${ECVIEW_WINE:-/usr/lib/wine/wine64}
if [ ! -x "$wine" ]; then
  echo "wine-run: $wine is missing (scripts/bootstrap-tests.sh installs wine64)" >&2
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
# A test run keeps one server up from its first test to its last (the
# default server quits 3 s after its last program, and a program starting at
# that moment can fail to connect).
case ${1:-} in
  # The server, and the services Wine starts beside the first program (which
  # then live as long as the server), keep the streams they were started
  # with: let them have none, or a test's output would never end.
  # A server still lingering from an earlier program of this prefix makes way.
  --start-server)
    "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
    "$(dirname "$wine")/wineserver" -p </dev/null >/dev/null 2>&1
    exec "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1 ;;
  --stop-server) "$(dirname "$wine")/wineserver" -k 2>/dev/null; exit 0 ;;
esac
[ "$heap_check" = 1 ] || exec "$wine" "$@"
# The heap's reports are taken out of the program's standard error, which
# tests compare byte for byte.
heap_log=$(mktemp)
trap 'rm -f "$heap_log"' EXIT
set +e
{ "$wine" "$@" 2>&1 1>&3 3>&- | sed -u -e "/^[0-9a-f]*:warn:heap:/{w $heap_log" -e 'd}' >&2; } 3>&1
status=${PIPESTATUS[0]}
set -e
if [ -s "$heap_log" ]; then
  echo "wine-run: the program misused the heap (Wine's heap check):" >&2
  head -n 5 "$heap_log" >&2
  [ "$status" -ne 0 ] || status=70
fi
exit "$status"
