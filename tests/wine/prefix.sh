#!/bin/bash
# Sets up (or tears down) the Wine prefix that the Windows tests run in.
#
#   prefix.sh setup PREFIX LOADER MAY_SKIP STAND_IN SYSTEM_FOLDER: makes PREFIX
#       if needed, maps the test drives, puts STAND_IN (a recording timeout.exe)
#       into drive_c/windows/SYSTEM_FOLDER, starts a wineserver, probes LOADER
#   prefix.sh confirm-skip PREFIX LOADER MAY_SKIP: 0 only when the set-up left
#       its skip marker and the probe, asked again, answers 77; else 1, saying why
#   prefix.sh restart PREFIX: a fresh wineserver for the caller's DISPLAY
#   prefix.sh teardown PREFIX: stops that prefix's wineserver and its programs
#
# The drives are those docs/testing.md lists; Z: goes, since Wine warns on stderr
# whenever a dialog touches it. wine64 and wineserver come from
# PICKPATH_WINE_FOLDER (/usr/lib/wine unless set). A layer is skipped only when
# MAY_SKIP is 1 and the kernel cannot execute its i386 loader; the reason goes
# to <build>/wine-unavailable. Any other failure fails the set-up, saying why.
set -uo pipefail
action=$1
export WINEPREFIX=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_folder=${PICKPATH_WINE_FOLDER:-/usr/lib/wine}
wine=$wine_folder/wine64
server=$wine_folder/wineserver
build=$(dirname "$WINEPREFIX")
unavailable=$build/wine-unavailable
probe_seconds=${PICKPATH_PROBE_TIMEOUT:-120}

# A fresh, persistent wineserver. Wine's own background programs (the desktop
# among them) start with the first program, keep its handles and its display:
# start them here with no handles, on the caller's display if any.
restart_server() {
  "$server" -k 2>/dev/null || true
  "$server" -w </dev/null >/dev/null 2>&1
  "$server" -p </dev/null >/dev/null 2>&1
  "$wine" cmd /c exit </dev/null >/dev/null 2>&1
}

# failed WHAT OUTPUT: the set-up failed; says why, with the output that shows it.
failed() {
  echo "Wine set-up FAILED: $1"
  [ -n "${2:-}" ] && printf '%s\n' "$2" | tr -d '\r' | head -n 20 | sed 's/^/  | /'
  exit 1
}

# is_i386_elf FILE: whether FILE's ELF header says it is a 32-bit program for
# Intel 80386: the magic, class 1 (32-bit) at byte 4 and machine 3 at bytes
# 18-19 (little-endian).
is_i386_elf() {
  local header
  header=$(od -An -tx1 -N20 "$1" 2>/dev/null | tr -d ' \n')
  [ "${header:0:10}" = 7f454c4601 ] && [ "${header:36:4}" = 0300 ]
}

# probe_start LOADER MAY_SKIP: whether the kernel executes the loader at all.
# 0 when it starts; 77, with the reason on stdout, when the loader is an i386
# program that the kernel cannot execute and the layer may be skipped; else 1,
# with the reason. "Exec format error" alone proves nothing: the kernel gives it
# for a file of any machine it does not run, a broken one among them.
probe_start() {
  local loader=$1 may_skip=$2 output status=0
  output=$(timeout "$probe_seconds" bash -c 'exec "$@"' probe "$loader" --version 2>&1 </dev/null) ||
    status=$?
  if [ "$status" -eq 126 ] && [[ $output == *"Exec format error"* ]]; then
    if ! is_i386_elf "$loader"; then
      echo "the kernel cannot execute $loader (Exec format error), and its header names no i386 program (its first 20 bytes:$(od -An -tx1 -N20 "$loader" | tr -s ' \n' ' '))"
      return 1
    fi
    if [ "$may_skip" = 1 ]; then
      echo "the kernel cannot execute $loader, an i386 program (Exec format error): this machine does not run 32-bit programs"
      return 77
    fi
    echo "the kernel cannot execute $loader (Exec format error), and this layer must run"
    return 1
  fi
  if [ "$status" -ne 0 ]; then
    [ "$status" -eq 124 ] && output="(no answer within $probe_seconds s) $output"
    echo "$loader --version failed with status $status: $(printf '%s' "$output" | tr -d '\r' | head -n 3)"
    return 1
  fi
}

# probe_run LOADER: 0 when the loader runs a Windows program of its own kind
# (cmd) in the prefix, else 1 with the reason.
probe_run() {
  local loader=$1 output status=0
  output=$(timeout "$probe_seconds" bash -c 'exec "$@"' probe "$loader" cmd /c echo probe 2>&1 </dev/null) ||
    status=$?
  if [ "$(printf '%s' "$output" | tr -d '\r')" != probe ]; then
    [ "$status" -eq 124 ] && output="(no answer within $probe_seconds s) $output"
    echo "$loader cannot run a Windows program (cmd /c echo probe, status $status): $(printf '%s' "$output" | tr -d '\r' | head -n 5)"
    return 1
  fi
}

case $action in
setup)
  loader=$3 may_skip=$4 stand_in=$5 system_folder=$6
  rm -f "$unavailable"
  # A loader the kernel cannot execute is found before the prefix is made.
  reason=$(probe_start "$loader" "$may_skip")
  case $? in
    0) ;;
    77) echo "$reason" >"$unavailable"; echo "skipped: $reason"; exit 77 ;;
    *) failed "$reason" ;;
  esac
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    output=$("$wine" wineboot -i 2>&1 </dev/null) || failed "wineboot could not make the prefix $WINEPREFIX" "$output"
    "$server" -w </dev/null >/dev/null 2>&1
  fi
  [ -f "$WINEPREFIX/system.reg" ] || failed "no prefix at $WINEPREFIX after wineboot"
  mkdir -p "$build/wine-t" "$build/wine-share" "$WINEPREFIX/dosdevices/unc/localhost"
  dev=$WINEPREFIX/dosdevices
  rm -f "$dev/z:"
  ln -sfn "$build" "$dev/b:"
  ln -sfn "$build/wine-t" "$dev/t:"
  ln -sfn "$build/wine-share" "$dev/unc/localhost/share"
  ln -sfn "$build/wine-share" "$dev/unc/localhost/Łódź"
  ln -sfn unc/localhost/share "$dev/n:"
  ln -sfn unc/localhost/Łódź "$dev/m:"
  for drive in n: m:; do
    grep -q "\"$drive\"=\"network\"" "$WINEPREFIX/system.reg" ||
      "$wine" reg add 'HKLM\Software\Wine\Drives' /v $drive /t REG_SZ /d network /f >/dev/null 2>&1
  done
  cp "$stand_in" "$WINEPREFIX/drive_c/windows/$system_folder/timeout.exe" ||
    failed "could not put the timeout stand-in into $system_folder"
  # Drive types are read when the wineserver starts.
  restart_server
  reason=$(probe_run "$loader") || failed "$reason"
  ;;
confirm-skip)
  # The marker alone may be stale: only the probe's finding now confirms it.
  [ -f "$unavailable" ] || { echo "the skip does not hold: the set-up left no $unavailable"; exit 1; }
  reason=$(probe_start "$3" "$4")
  case $? in
    77) echo "the skip holds: $reason" ;;
    0) echo "the skip does not hold: the kernel executes $3"; exit 1 ;;
    *) echo "the skip does not hold: $reason"; exit 1 ;;
  esac
  ;;
restart)
  restart_server
  ;;
teardown)
  "$server" -k 2>/dev/null || true
  ;;
*)
  echo "usage: $0 setup|confirm-skip|restart|teardown PREFIX ..." >&2
  exit 2
  ;;
esac
