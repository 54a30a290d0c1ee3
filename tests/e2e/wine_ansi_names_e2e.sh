#!/bin/bash
# Names beyond the ANSI code page, through the real Open dialog and folder
# browser under Wine, whose ANSI code page here is 1252. A path the code page
# cannot hold, exactly or at all, must never be written: the Open dialog
# reports the failure 3002 and picking ends; the folder browser answers empty.
# A name the code page holds comes back byte for byte.
#
#   wine_ansi_names_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
BUILD=$1
MODE=wine PROGRAM=$BUILD/pickpath.exe WINE_RUN=$BUILD/wine-run.sh WINE_BUILD=$BUILD
source "$(dirname "$0")/common.sh"
# Wine takes its ANSI code page from the locale (1252 for C.UTF-8) and reads
# Unix file names as UTF-8.
export LANG=C.UTF-8
PROBE=$BUILD/tests/picker_probe.exe
work=$(mktemp -d)
tdir=$BUILD/wine-t/names-$$
mkdir -p "$tdir/uni/a-plain" "$tdir/uni/папка" "$tdir/stubs"
for name in файл.txt Łódź.txt café.txt seed.txt; do echo "$name" >"$tdir/uni/$name"; done
printf '@>>"%%~dp0args.txt" echo [%%*]\r\n' >"$tdir/stubs/timeout.bat"
T="T:\\names-$$"
export WINEPATH="$T\\stubs"

on_exit() { rm -rf "$work" "$tdir"; }
source "$(dirname "$0")/dialogs.sh"

# end_run PID WINDOW SHOT: waits for a run to end, cancelling any further Open
# dialog that comes up after WINDOW; the run's exit status.
end_run() {
  local next
  for _ in $(seq 100); do
    kill -0 "$1" 2>/dev/null || break
    next=$(xdotool search --name '^Open$' 2>/dev/null | grep -v "^$2\$" | head -1)
    if [ -n "$next" ]; then
      sleep 0.5
      act "$next" "$3" Escape
      break
    fi
    sleep 0.1
  done
  wait_exit "$1"
}

# pick NAME SHOT: picking mode, choosing NAME (typed as a full path) in the first dialog.
pick() {
  run_program >"$work/out" 2>"$work/err" &
  local pid=$! w
  w=$(wait_window Open) && act "$w" "$2" "$T\\uni\\$1" Return
  end_run $pid "$w" "$2-next"
}

pick файл.txt names-1-cyrillic
expect_equal "Cyrillic name: exit status" 0 $?
expect_bytes "Cyrillic name: failure 3002, then Test" "3002${EOL}Test${EOL}" "$work/err"

pick Łódź.txt names-2-best-fit
expect_equal "name with Ł and ź: exit status" 0 $?
expect_bytes "name with Ł and ź: failure 3002, then Test" "3002${EOL}Test${EOL}" "$work/err"

pick café.txt names-3-cp1252
expect_equal "café.txt: exit status" 0 $?
expect_bytes "café.txt: the path with byte 0xE9, then Test" \
  "$T\\uni\\caf"$'\xe9'".txt${EOL}Test${EOL}" "$work/err"

# The folder browser, opened at uni by a file pick in it: the keys Right Down
# select its first subfolder (a-plain), Right Down Down the second (папка).
browse() {
  run_windows "$PROBE" file folder >/dev/null 2>"$work/err" &
  local pid=$! w
  w=$(wait_window Open) && act "$w" "$2-seed" "$T\\uni\\seed.txt" Return
  w=$(wait_window 'Browse for Folder') && act "$w" "$2" "$1 Return"
  wait_exit $pid
}

browse "Right Down" names-4-browse-plain
expect_bytes "folder browser: a plain name comes back (the keys select the folder)" \
  "$T\\uni\\seed.txt${EOL}$T\\uni\\a-plain${EOL}" "$work/err"
browse "Right Down Down" names-5-browse-cyrillic
expect_bytes "folder browser: a Cyrillic folder gives an empty answer" \
  "$T\\uni\\seed.txt${EOL}${EOL}" "$work/err"

finish
