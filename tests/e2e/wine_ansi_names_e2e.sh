#!/bin/bash
# Names that code page 1252 cannot hold, through the real Open dialog and
# folder browser under Wine: each comes back by its short (8.3) name, never with
# '?' or a look-alike, and that name opens the picked item; a new name typed
# into such a folder (in any case, or into a new subfolder of it) keeps what
# was typed after the folder.
#   wine_ansi_names_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
source "$(dirname "$0")/dialogs.sh" "$1" names
scratch "$tdir/uni/папка"
for name in файл.txt seed.txt папка/marker.txt; do echo "$name" >"$tdir/uni/$name"; done

# pick NAME: picking mode, choosing NAME in the folder uni (typed as a full path), then cancelling.
pick() {
  dialogs 'run_program >"$work/out" 2>"$work/err"' "Open|names-pick|$T\\uni\\$1|Return" \
    "Open|names-pick-next||Escape"
}

# browse: the folder browser, opened at uni by a file pick in it, its first subfolder (папка) chosen.
browse() {
  dialogs 'run_windows "$PROBE" file folder >/dev/null 2>"$work/err"' \
    "Open|names-browse-seed|$T\\uni\\seed.txt|Return" "Browse for Folder|names-browse||Right Down Return"
}

# written_short BEFORE AFTER: whether work/err is BEFORE, a path, then AFTER,
# where the path (in `written`) is uni, a backslash and a short name: printable
# ASCII with a '~' and without '?'.
written_short() {
  local actual name
  actual=$(cat "$work/err"; printf x)
  actual=${actual%x}
  written=${actual#"$1"}
  written=${written%"$2"}
  name=${written#"$T\\uni\\"}
  [[ $actual == "$1$written$2" && $name != "$written" && $name == *"~"* && $name != *"?"* ]] &&
    ! LC_ALL=C grep -q '[^!-~]' <<<"$name"
}

# check_short NAME EXPECTED CONTENT FILE CASE...: as check, where EXPECTED holds
# @ in place of one path, a short name under uni. That path names the picked
# item itself: `type` of it with FILE (a file inside a picked folder) gives
# CONTENT, which the test wrote there.
check_short() {
  local name=$1 before=${2%%@*} after=${2#*@} content=$3 file=$4
  shift 4
  retried 'written_short "$before" "$after"' "$@"
  if written_short "$before" "$after"; then
    pass "$name: [$written]"
  else
    fail "$name: not [$before], a short name under $T\\uni, [$after] in [$(cat "$work/err")]"
  fi
  expect_equal "$name: exit status" 0 "$status"
  run_windows cmd /c type "$written$file" >"$work/typed" 2>/dev/null
  expect_equal "$name: it names the picked item" "$content" "$(tr -d '\r' <"$work/typed")"
}

check_short "Cyrillic name: its short name, the folders as they are, then Test" "@${EOL}Test${EOL}" \
  файл.txt "" pick файл.txt
check_short "new name in a Cyrillic folder: the folder's short name, the name as typed, then Test" \
  "@\\new.txt${EOL}Test${EOL}" папка/marker.txt "\\marker.txt" pick 'папка\new.txt'
check_short "new name in that folder typed in capitals: the folder's short name all the same" \
  "@\\new.txt${EOL}Test${EOL}" папка/marker.txt "\\marker.txt" pick 'ПАПКА\new.txt'
check_short "new name in a new subfolder of that folder: the folder's short name, the rest as typed" \
  "@\\nosub\\new.txt${EOL}Test${EOL}" папка/marker.txt "\\marker.txt" pick 'папка\nosub\new.txt'
check_short "folder browser: a Cyrillic folder by its short name" "$T\\uni\\seed.txt${EOL}@${EOL}" \
  папка/marker.txt "\\marker.txt" browse

finish
