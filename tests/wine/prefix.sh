#!/bin/bash
# Sets up (or tears down) the Wine prefix that the Windows tests run in.
#
#   prefix.sh setup PREFIX     create PREFIX if needed, map the test drives, start a wineserver
#   prefix.sh restart PREFIX   start a fresh wineserver for the caller's display (DISPLAY)
#   prefix.sh teardown PREFIX  stop that prefix's wineserver and its programs
#
# Drives: B: is the build tree (so programs start in a folder Wine can name),
# T: a scratch folder for end-to-end runs, \\localhost\share a share, and N: a
# network drive mapped to that share. Z: (the whole Unix tree) is removed: Wine
# prints a warning on stderr whenever a dialog touches it.
set -euo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
build=$(dirname "$WINEPREFIX")

# A fresh, persistent wineserver. Wine's own background programs (the desktop
# among them) start with the first program, keep its handles and its display:
# start them here with no handles, on the caller's display if any.
restart_server() {
  "$server" -k 2>/dev/null || true
  "$server" -w </dev/null >/dev/null 2>&1
  "$server" -p </dev/null >/dev/null 2>&1
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1
}

case $action in
setup)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1
    "$server" -w </dev/null >/dev/null 2>&1
  fi
  mkdir -p "$build/wine-t" "$build/wine-share" "$WINEPREFIX/dosdevices/unc/localhost"
  dev=$WINEPREFIX/dosdevices
  rm -f "$dev/z:"
  ln -sfn "$build" "$dev/b:"
  ln -sfn "$build/wine-t" "$dev/t:"
  ln -sfn "$build/wine-share" "$dev/unc/localhost/share"
  ln -sfn unc/localhost/share "$dev/n:"
  if ! grep -q '"n:"="network"' "$WINEPREFIX/system.reg"; then
    "$wine" reg add 'HKLM\Software\Wine\Drives' /v n: /t REG_SZ /d network /f >/dev/null 2>&1
  fi
  # Drive types are read when the wineserver starts.
  restart_server
  ;;
restart)
  restart_server
  ;;
teardown)
  "$server" -k 2>/dev/null || true
  ;;
*)
  echo "usage: $0 setup|restart|teardown PREFIX" >&2
  exit 2
  ;;
esac
