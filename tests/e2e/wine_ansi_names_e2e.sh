#!/bin/bash
# Names beyond the ANSI code page, through the real Open dialog and folder
# browser under Wine, in code pages 1252, 1251 (Cyrillic) and 1250 (Central
# European). A path the code page cannot hold, exactly or at all, must never be
# written: the Open dialog reports the failure 3002 and picking ends; the folder
# browser answers empty. A name the code page holds comes back byte for byte.
#
#   wine_ansi_names_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
BUILD=$1
MODE=wine PROGRAM=$BUILD/pickpath.exe WINE_RUN=$BUILD/wine-run.sh WINE_BUILD=$BUILD
source "$(dirname "$0")/common.sh"
# Wine takes its ANSI code page from the locale (1252 for C.UTF-8; the others
# from locales generated into the build tree) and reads Unix file names as UTF-8.
export LC_ALL=C.UTF-8
PROBE=$BUILD/tests/picker_probe.exe
work=$(mktemp -d)
tdir=$BUILD/wine-t/names-$$
mkdir -p "$tdir/uni/a-plain" "$tdir/uni/папка" "$tdir/dbcs"
for name in файл.txt Łódź.txt café.txt seed.txt; do echo "$name" >"$tdir/uni/$name"; done
echo source >"$tdir/dbcs/ソース.txt"
source932=$'\x83\x5c\x81\x5b\x83\x58'  # ソース in code page 932: ソ ends in 0x5C
record_waits "$tdir/stubs"
T="T:\\names-$$"

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

# pick NAME SHOT: picking mode, choosing NAME (typed as a full path) in the
# first dialog; the exit status goes to `status`.
pick() {
  run_program >"$work/out" 2>"$work/err" &
  local pid=$! w
  w=$(wait_window Open) && act "$w" "$2" "$T\\uni\\$1" Return
  end_run $pid "$w" "$2-next"
  status=$?
}

# in_locale LOCALE COMMAND...: runs COMMAND with the ANSI code page of LOCALE.
in_locale() {
  local saved=$LC_ALL
  export LC_ALL=$1 LOCPATH=$BUILD/locales
  shift
  "$@"
  export LC_ALL=$saved
}

# handed PATH SHOT: picking mode under Wine's commdlg trace, choosing PATH in the
# first dialog and cancelling the second; `work/err` gets the folder each
# dialog was handed, one a line.
handed() {
  WINEDEBUG=-all,trace+commdlg run_program >/dev/null 2>"$work/trace" &
  local pid=$! w
  w=$(wait_window Open) && act "$w" "$2" "$1" Return
  w=$(wait_window Open "$w") && act "$w" "$2-next" Escape
  wait_exit $pid
  status=$?
  handed_folders "$work/trace" >"$work/err"
}

# browse KEYS SHOT [SEED]: the folder browser, opened at uni by a file pick in it
# (or at the folder of SEED): the keys "Right Down Return" select its first
# subfolder (a-plain), "Right Down Down Return" the second (папка), "Return"
# the folder it opened at. Wine translates the browser's title ("Обзор" under ru_RU).
browse() {
  run_windows "$PROBE" file folder >/dev/null 2>"$work/err" &
  local pid=$! w
  w=$(wait_window Open) && act "$w" "$2-seed" "${3:-$T\\uni\\seed.txt}" Return
  w=$(wait_window 'Browse for Folder|Обзор.*|.*フォルダ.*') && act "$w" "$2" "$1"
  wait_exit $pid
  status=$?
}

# check NAME EXPECTED-STDERR COMMAND...: runs a case and checks what the program
# wrote and its exit status. Keys sent by xdotool to a display without a window
# manager now and then go astray (seen once in about 30 runs of this script):
# a case whose output differs runs once more, on a fresh wineserver (no dialog
# left over), and the first attempt's bytes are shown.
check() {
  local name=$1 expected=$2
  shift 2
  "$@"
  if ! cmp -s <(printf '%s' "$expected") "$work/err"; then
    echo "# $name: once more; the first attempt wrote: $(od -An -c <"$work/err" | tr -s ' ' | head -c 300)"
    "$prefix_script" restart "$prefix"
    "$@"
  fi
  expect_bytes "$name" "$expected" "$work/err"
  expect_equal "$name: exit status" 0 "$status"
}

check "Cyrillic name: failure 3002, then Test" "3002${EOL}Test${EOL}" \
  pick файл.txt names-1-cyrillic
check "name with Ł and ź: failure 3002, then Test" "3002${EOL}Test${EOL}" \
  pick Łódź.txt names-2-best-fit
check "café.txt: the path with byte 0xE9, then Test" "$T\\uni\\caf"$'\xe9'".txt${EOL}Test${EOL}" \
  pick café.txt names-3-cp1252
check "folder browser: a plain name comes back (the keys select the folder)" \
  "$T\\uni\\seed.txt${EOL}$T\\uni\\a-plain${EOL}" browse "Right Down Return" names-4-browse-plain
check "folder browser: a Cyrillic folder gives an empty answer" \
  "$T\\uni\\seed.txt${EOL}${EOL}" browse "Right Down Down Return" names-5-browse-cyrillic

check "1251: a Cyrillic name comes back in its 1251 bytes" \
  "$T\\uni\\"$'\xf4\xe0\xe9\xeb'".txt${EOL}Test${EOL}" in_locale ru_RU.UTF-8 pick файл.txt names-6-cp1251
check "1251: a name with Ł and ź: failure 3002" "3002${EOL}Test${EOL}" \
  in_locale ru_RU.UTF-8 pick Łódź.txt names-7-cp1251-polish
check "1251: folder browser: the Cyrillic folder in its 1251 bytes" \
  "$T\\uni\\seed.txt${EOL}$T\\uni\\"$'\xef\xe0\xef\xea\xe0'"${EOL}" \
  in_locale ru_RU.UTF-8 browse "Right Down Down Return" names-8-cp1251-browse
check "1250: a name with Ł and ź comes back in its 1250 bytes" \
  "$T\\uni\\"$'\xa3\xf3\x64\x9f'".txt${EOL}Test${EOL}" in_locale pl_PL.UTF-8 pick Łódź.txt names-9-cp1250


# 932, where ソ ends in 0x5C: after a pick of ソース.txt the next Open dialog is
# handed its folder, and the folder browser opens with that folder selected.
check "932: after ソース.txt the next Open dialog starts in its folder" \
  "$(printf '\n%s\\dbcs' "$T")"$'\n' in_locale ja_JP.UTF-8 handed "$T\\dbcs\\ソース.txt" names-10-cp932-open
check "932: the folder browser opens at the folder of ソース.txt" \
  "$T\\dbcs\\${source932}.txt${EOL}$T\\dbcs${EOL}" \
  in_locale ja_JP.UTF-8 browse Return names-11-cp932-browse "$T\\dbcs\\ソース.txt"

finish
