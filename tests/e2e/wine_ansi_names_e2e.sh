#!/bin/bash
# Names beyond the ANSI code page, through the real Open dialog and folder
# browser under Wine, in code pages 1252, 1251 (Cyrillic), 1250 (Central
# European) and 932 (Japanese). A name the code page holds comes back byte for
# byte; one it cannot hold, exactly or at all, by its short (8.3) name, which
# Wine gives every long name: never with '?' or a look-alike letter.
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
for name in файл.txt Łódź.txt café.txt seed.txt папка/marker.txt; do echo "$name" >"$tdir/uni/$name"; done
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

# is_short_under FOLDER PATH: PATH is FOLDER, a backslash and a short name:
# printable ASCII with a '~' and without '?'.
is_short_under() {
  local name=${2#"$1\\"}
  [ "$name" != "$2" ] && [[ $name == *"~"* && $name != *"?"* ]] && ! LC_ALL=C grep -q '[^!-~]' <<<"$name"
}

# check_short NAME FOLDER EXPECTED SUFFIX CONTENT COMMAND...: as check, where
# EXPECTED holds @ in place of one path, a short name under FOLDER. That path
# names the picked item itself: `type` of it (with SUFFIX, a file inside a
# folder) gives CONTENT, which the test wrote there.
check_short() {
  local name=$1 folder=$2 before=${3%%@*} after=${3#*@} suffix=$4 content=$5 actual written="" attempt
  shift 5
  for attempt in 1 2; do
    "$@"
    actual=$(cat "$work/err"; printf x)
    actual=${actual%x}
    if [[ $actual == "$before"*"$after" ]]; then
      written=${actual#"$before"}
      written=${written%"$after"}
      is_short_under "$folder" "$written" && break
    fi
    [ $attempt = 1 ] && echo "# $name: once more; the first attempt wrote: $(od -An -c <"$work/err" | tr -s ' ' | head -c 300)"
    "$prefix_script" restart "$prefix"
  done
  if is_short_under "$folder" "$written"; then pass "$name: [$written]"; else fail "$name: no short name under $folder in [$actual]"; fi
  expect_equal "$name: exit status" 0 "$status"
  run_windows cmd /c type "$written$suffix" >"$work/typed" 2>/dev/null
  expect_equal "$name: it names the picked item" "$content" "$(tr -d '\r' <"$work/typed")"
}

check_short "Cyrillic name: its short name, the folders as they are, then Test" "$T\\uni" "@${EOL}Test${EOL}" \
  "" файл.txt pick файл.txt names-1-cyrillic
check_short "name with Ł and ź: its short name, never a look-alike, then Test" "$T\\uni" "@${EOL}Test${EOL}" \
  "" Łódź.txt pick Łódź.txt names-2-best-fit
check "after a short name the next Open dialog starts in its folder" \
  "$(printf '\n%s\\uni' "$T")"$'\n' handed "$T\\uni\\файл.txt" names-3-short-next
check "café.txt: the path with byte 0xE9, then Test" "$T\\uni\\caf"$'\xe9'".txt${EOL}Test${EOL}" \
  pick café.txt names-4-cp1252
check "folder browser: a plain name comes back (the keys select the folder)" \
  "$T\\uni\\seed.txt${EOL}$T\\uni\\a-plain${EOL}" browse "Right Down Return" names-5-browse-plain
check_short "folder browser: a Cyrillic folder by its short name" "$T\\uni" "$T\\uni\\seed.txt${EOL}@${EOL}" \
  "\\marker.txt" папка/marker.txt browse "Right Down Down Return" names-6-browse-cyrillic

check "1251: a Cyrillic name comes back in its 1251 bytes" \
  "$T\\uni\\"$'\xf4\xe0\xe9\xeb'".txt${EOL}Test${EOL}" in_locale ru_RU.UTF-8 pick файл.txt names-7-cp1251
check_short "1251: a name with Ł and ź by its short name" "$T\\uni" "@${EOL}Test${EOL}" \
  "" Łódź.txt in_locale ru_RU.UTF-8 pick Łódź.txt names-8-cp1251-polish
check "1251: folder browser: the Cyrillic folder in its 1251 bytes" \
  "$T\\uni\\seed.txt${EOL}$T\\uni\\"$'\xef\xe0\xef\xea\xe0'"${EOL}" \
  in_locale ru_RU.UTF-8 browse "Right Down Down Return" names-9-cp1251-browse
check "1250: a name with Ł and ź comes back in its 1250 bytes" \
  "$T\\uni\\"$'\xa3\xf3\x64\x9f'".txt${EOL}Test${EOL}" in_locale pl_PL.UTF-8 pick Łódź.txt names-10-cp1250

# 932 holds Cyrillic (л ends in 0x7C, the filter's '|') but not é. Where ソ ends
# in 0x5C: after a pick of ソース.txt the next Open dialog is handed its folder,
# and the folder browser opens with that folder selected.
check "932: a Cyrillic name comes back in its 932 bytes" \
  "$T\\uni\\"$'\x84\x86\x84\x70\x84\x7a\x84\x7c'".txt${EOL}Test${EOL}" \
  in_locale ja_JP.UTF-8 pick файл.txt names-11-cp932-cyrillic
check_short "932: café.txt by its short name" "$T\\uni" "@${EOL}Test${EOL}" \
  "" café.txt in_locale ja_JP.UTF-8 pick café.txt names-12-cp932-cafe
check "932: after ソース.txt the next Open dialog starts in its folder" \
  "$(printf '\n%s\\dbcs' "$T")"$'\n' in_locale ja_JP.UTF-8 handed "$T\\dbcs\\ソース.txt" names-13-cp932-open
check "932: the folder browser opens at the folder of ソース.txt" \
  "$T\\dbcs\\${source932}.txt${EOL}$T\\dbcs${EOL}" \
  in_locale ja_JP.UTF-8 browse Return names-14-cp932-browse "$T\\dbcs\\ソース.txt"

finish
