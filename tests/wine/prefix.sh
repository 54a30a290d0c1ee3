#!/bin/bash
# Sets up (or tears down) the Wine prefix that the Windows tests run in.
#
#   prefix.sh setup PREFIX LOADER
#                              create PREFIX if needed, map the test drives, start a
#                              wineserver, and probe whether LOADER (the build's
#                              Wine loader) runs programs here
#   prefix.sh restart PREFIX   start a fresh wineserver for the caller's display (DISPLAY)
#   prefix.sh teardown PREFIX  stop that prefix's wineserver and its programs
#
# Drives: B: is the build tree (so programs start in a folder Wine can name),
# T: a scratch folder for end-to-end runs, \\localhost\share a share, and N: a
# network drive mapped to that share. Z: (the whole Unix tree) is removed: Wine
# prints a warning on stderr whenever a dialog touches it.
#
# The prefix is a 64-bit one (with syswow64) that both loaders share; it is set
# up with the 64-bit loader. When the probe fails, the reason goes to
# <build>/wine-unavailable, the set-up exits 77 (skipped), and so does every
# test that starts a program through the build's wine-run.sh.
set -euo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
build=$(dirname "$WINEPREFIX")
unavailable=$build/wine-unavailable

# A fresh, persistent wineserver. Wine's own background programs (the desktop
# among them) start with the first program, keep its handles and its display:
# start them here with no handles, on the caller's display if any.
restart_server() {
  "$server" -k 2>/dev/null || true
  "$server" -w </dev/null >/dev/null 2>&1
  "$server" -p </dev/null >/dev/null 2>&1
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1
}

# unavailable OUTPUT: records why the loader cannot run programs here, and skips.
unavailable() {
  printf '%s cannot run Windows programs on this machine: %s\n' "$loader" \
    "$(printf '%s\n' "$1" | tr -d '\r' | head -n 1 | head -c 300)" >"$unavailable"
  echo "skipped: $(cat "$unavailable")"
  exit 77
}

case $action in
setup)
  # A loader the kernel cannot execute at all (bash reports "Exec format
  # error") is found before the prefix is made.
  loader=$3
  rm -f "$unavailable"
  version=$(bash -c 'exec "$@"' probe "$loader" --version 2>&1 </dev/null) || unavailable "$version"
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
  # The probe: the build's loader runs a Windows program (cmd) of its own kind.
  probe=$(timeout 120 bash -c 'exec "$@"' probe "$loader" cmd /c echo probe 2>&1 </dev/null) || true
  [ "$(printf '%s' "$probe" | tr -d '\r')" = probe ] || unavailable "$probe"
  ;;
restart)
  restart_server
  ;;
teardown)
  "$server" -k 2>/dev/null || true
  ;;
*)
  echo "usage: $0 setup PREFIX LOADER | restart PREFIX | teardown PREFIX" >&2
  exit 2
  ;;
esac
