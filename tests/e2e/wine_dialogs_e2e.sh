#!/bin/bash
# Drives the real Open dialog and folder browser of the Windows build under
# Wine, on a private Xvfb display, with xdotool. Screenshots of each dialog go
# to <build>/e2e-screenshots.
#
#   wine_dialogs_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
BUILD=$1
MODE=wine PROGRAM=$BUILD/pickpath.exe WINE_RUN=$BUILD/wine-run.sh WINE_BUILD=$BUILD
source "$(dirname "$0")/common.sh"
PROBE=$BUILD/tests/picker_probe.exe
CONSOLE_PROBE=$BUILD/tests/console_window_probe.exe
shots=$BUILD/e2e-screenshots
work=$(mktemp -d)
# Test folders live on T: and on the share behind the network drive N:.
tdir=$BUILD/wine-t/dialogs-$$
sdir=$BUILD/wine-share/dialogs-$$
mkdir -p "$shots" "$tdir/pick" "$tdir/stubs" "$sdir"
echo one >"$tdir/pick/one.txt"
echo two >"$tdir/pick/two.txt"
echo spaced >"$tdir/pick/with space.txt"
echo net >"$sdir/net.txt"
printf '@>>"%%~dp0args.txt" echo [%%*]\r\n' >"$tdir/stubs/timeout.bat"
T="T:\\dialogs-$$"
export WINEPATH="$T\\stubs"

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prefix_script=$(dirname "$0")/../wine/prefix.sh
prefix=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$WINE_RUN")
# Wine's desktop keeps the display it started with: give it this one, and a
# display-less one again when done.
cleanup() {
  env -u DISPLAY "$prefix_script" restart "$prefix"
  kill $xvfb 2>/dev/null
  rm -rf "$work" "$tdir" "$sdir"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
"$prefix_script" restart "$prefix"

# wait_window NAME [NOT_ID]: the id of a window with this exact name (other than NOT_ID).
wait_window() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | grep -v "^${2:-none}\$" | head -1)
    if [ -n "$id" ]; then
      sleep 0.5  # let the dialog take input before keys are sent
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# act WINDOW SHOT [TEXT] KEY: screenshot, then type TEXT and press KEY with the pointer over it.
act() {
  import -display "$DISPLAY" -window root "$shots/$2.png" 2>/dev/null
  xdotool mousemove --window "$1" 150 100 2>/dev/null
  [ $# -eq 4 ] && xdotool type --delay 30 "$3" 2>/dev/null
  xdotool key "${@: -1}" 2>/dev/null
}

# wait_exit PID: the exit status of a background run, or 124 after 60 s.
wait_exit() {
  for _ in $(seq 600); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
    sleep 0.1
  done
  kill "$1" 2>/dev/null
  return 124
}

# 1. Picking mode: a full path, then a bare name in the folder the second dialog opens in, then cancel.
run_program >"$work/out" 2>"$work/err" &
pid=$!
w1=$(wait_window Open) && act "$w1" open-1-first "$T\\pick\\one.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" open-2-in-last-folder two.txt Return
w3=$(wait_window Open "$w2") && act "$w3" open-3-cancel Escape
wait_exit $pid
expect_equal "picking: exit status" 0 $?
expect_bytes "picking: two paths then Test" "$T\\pick\\one.txt${EOL}$T\\pick\\two.txt${EOL}Test${EOL}" "$work/err"
expect_bytes "picking: standard output empty" "" "$work/out"
expect_equal "picking: closing command ran once with 5" "[5]" "$(tr -d '\r' <"$tdir/stubs/args.txt")"

# 2. A pick on the network drive: the next dialog is handed the folder in UNC form.
WINEDEBUG=-all,trace+commdlg run_program >/dev/null 2>"$work/trace" &
pid=$!
w1=$(wait_window Open) && act "$w1" open-4-network-drive "N:\\dialogs-$$\\net.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" open-5-unc-folder Escape
wait_exit $pid
dirs=$(grep -a -o 'Before manipulation.*dir = L"[^"]*"' "$work/trace" | sed 's/.*dir = L"//; s/"$//; s/\\\\/\\/g')
expect_equal "network drive: second dialog starts at the UNC folder" \
  "\\\\localhost\\share\\dialogs-$$" "$(echo "$dirs" | sed -n 2p)"

# 3. Folder mode of the picker: seeded by a file pick, the browser opens at its
#    folder; confirming returns it, the next browser opens there and cancelling returns "".
run_windows "$PROBE" file folder folder >/dev/null 2>"$work/err" &
pid=$!
w1=$(wait_window Open) && act "$w1" folder-1-seed "$T\\pick\\one.txt" Return
w2=$(wait_window 'Browse for Folder') && act "$w2" folder-2-selected Return
w3=$(wait_window 'Browse for Folder' "$w2") && act "$w3" folder-3-cancel Escape
wait_exit $pid
expect_bytes "folder mode: selected folder returned, then a cancel" \
  "$T\\pick\\one.txt${EOL}$T\\pick${EOL}${EOL}" "$work/err"

# 4. The console window: none without a terminal; under a pseudo-terminal Wine
#    has one, which the title lookup finds once the window exists.
run_windows "$PROBE" owner >/dev/null 2>"$work/err"
expect_bytes "no terminal: no owner window" "owner null${EOL}" "$work/err"
script -qec "cd '$BUILD' && '$WINE_RUN' '$CONSOLE_PROBE' 2>'$work/err'" /dev/null </dev/null >/dev/null
expect_bytes "pseudo-terminal: lookup finds the console window" \
  "lookup found the console window${EOL}" "$work/err"
script -qec "cd '$BUILD' && '$WINE_RUN' '$PROBE' owner 2>'$work/err'" /dev/null </dev/null >/dev/null
echo "# under a pseudo-terminal the product's own lookup answered: $(tr -d '\r' <"$work/err")"

# 5. Picking mode under a pseudo-terminal: one pick, then cancel.
rm -f "$tdir/stubs/args.txt"
script -qec "cd '$BUILD' && '$WINE_RUN' '$PROGRAM' 2>'$work/err'" /dev/null </dev/null >/dev/null &
pid=$!
w1=$(wait_window Open) && act "$w1" open-6-terminal "$T\\pick\\two.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" open-7-terminal-cancel Escape
wait_exit $pid
expect_bytes "pseudo-terminal: the pick, then Test" "$T\\pick\\two.txt${EOL}Test${EOL}" "$work/err"

# 6. A batch file as a client: it takes the tool's standard error as its lines,
#    the usual way (for /f over the command, stderr into the pipe, stdout away),
#    and echoes each pick; two picks, the second with a space, then a cancel.
printf '@echo off\r\nfor /f "delims=" %%%%p in (\x27pickpath.exe 2^>^&1 1^>nul\x27) do (\r\n  if not "%%%%p"=="Test" echo picked [%%%%p]\r\n)\r\n' \
  >"$tdir/client.bat"
run_windows cmd /c "$T\\client.bat" >"$work/out" 2>"$work/err" &
pid=$!
w1=$(wait_window Open) && act "$w1" batch-1-first "$T\\pick\\one.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" batch-2-space "with space.txt" Return
w3=$(wait_window Open "$w2") && act "$w3" batch-3-cancel Escape
wait_exit $pid
expect_equal "batch client: exit status" 0 $?
expect_bytes "batch client: its own output, one line per pick" \
  "picked [$T\\pick\\one.txt]${EOL}picked [$T\\pick\\with space.txt]${EOL}" "$work/out"
expect_bytes "batch client: nothing on its standard error" "" "$work/err"

finish
