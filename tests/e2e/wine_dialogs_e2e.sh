#!/bin/bash
# Drives the real Open dialog and folder browser of the Windows build under
# Wine, on a private Xvfb display, with xdotool.
#
#   wine_dialogs_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
BUILD=$1
MODE=wine PROGRAM=$BUILD/pickpath.exe WINE_RUN=$BUILD/wine-run.sh WINE_BUILD=$BUILD
source "$(dirname "$0")/common.sh"
PROBE=$BUILD/tests/picker_probe.exe
CONSOLE_PROBE=$BUILD/tests/console_window_probe.exe
work=$(mktemp -d)
# Test folders live on T: and on the share behind the network drive N:.
tdir=$BUILD/wine-t/dialogs-$$
sdir=$BUILD/wine-share/dialogs-$$
mkdir -p "$tdir/pick" "$sdir"
echo one >"$tdir/pick/one.txt"
echo two >"$tdir/pick/two.txt"
echo spaced >"$tdir/pick/with space.txt"
echo net >"$sdir/net.txt"
record_waits "$tdir/stubs"
T="T:\\dialogs-$$"

on_exit() { rm -rf "$work" "$tdir" "$sdir"; }
source "$(dirname "$0")/dialogs.sh"

# 1. Picking mode: a full path, then a bare name in the folder the second dialog opens in, then cancel.
run_program >"$work/out" 2>"$work/err" &
pid=$!
w1=$(wait_window Open) && unowned=$(window_type "$w1") && act "$w1" open-1-first "$T\\pick\\one.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" open-2-in-last-folder two.txt Return
w3=$(wait_window Open "$w2") && act "$w3" open-3-cancel Escape
wait_exit $pid
expect_equal "picking: exit status" 0 $?
expect_bytes "picking: two paths then Test" "$T\\pick\\one.txt${EOL}$T\\pick\\two.txt${EOL}Test${EOL}" "$work/err"
expect_bytes "picking: standard output empty" "" "$work/out"
expect_equal "picking without a console: the Open dialog has no owner (X11 window type)" \
  "_NET_WM_WINDOW_TYPE_NORMAL" "${unowned:-}"
expect_equal "picking: closing command ran once with 5" "[5]" "$(tr -d '\r' <"$tdir/stubs/args.txt")"

# 2. A pick on the network drive: the next dialog is handed the folder in UNC form.
WINEDEBUG=-all,trace+commdlg run_program >/dev/null 2>"$work/trace" &
pid=$!
w1=$(wait_window Open) && act "$w1" open-4-network-drive "N:\\dialogs-$$\\net.txt" Return
w2=$(wait_window Open "$w1") && act "$w2" open-5-unc-folder Escape
wait_exit $pid
expect_equal "network drive: second dialog starts at the UNC folder" \
  "\\\\localhost\\share\\dialogs-$$" "$(handed_folders "$work/trace" | sed -n 2p)"

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
#    has one, which the title lookup finds once the window exists, and which
#    the picker takes as the owner when its lookup finds nothing. The lookup
#    puts back the console's own title, whatever its characters.
run_windows "$PROBE" owner >/dev/null 2>"$work/err"
expect_bytes "no terminal: no owner window" "owner null${EOL}" "$work/err"
script -qec "cd '$BUILD' && '$WINE_RUN' '$CONSOLE_PROBE' 2>'$work/err'" /dev/null </dev/null >/dev/null
expect_bytes "pseudo-terminal: lookup finds the console window, and a Cyrillic title comes back as it was" \
  "lookup found the console window${EOL}title kept${EOL}" "$work/err"
script -qec "cd '$BUILD' && '$WINE_RUN' '$PROBE' owner 2>'$work/err'" /dev/null </dev/null >/dev/null
expect_bytes "pseudo-terminal: the picker finds an owner" "owner found${EOL}" "$work/err"

# 5. Picking mode under a pseudo-terminal: one pick, then cancel.
rm -f "$tdir/stubs/args.txt"
script -qec "cd '$BUILD' && '$WINE_RUN' '$PROGRAM' 2>'$work/err'" /dev/null </dev/null >/dev/null &
pid=$!
w1=$(wait_window Open) && types="$(window_type "$w1")" && act "$w1" open-6-terminal "$T\\pick\\two.txt" Return
w2=$(wait_window Open "$w1") && types="$types $(window_type "$w2")" && act "$w2" open-7-terminal-cancel Escape
wait_exit $pid
expect_bytes "pseudo-terminal: the pick, then Test" "$T\\pick\\two.txt${EOL}Test${EOL}" "$work/err"
expect_equal "pseudo-terminal: both Open dialogs have an owner (X11 window type)" \
  "_NET_WM_WINDOW_TYPE_DIALOG _NET_WM_WINDOW_TYPE_DIALOG" "${types:-}"

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
