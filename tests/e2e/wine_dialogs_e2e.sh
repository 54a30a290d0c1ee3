#!/bin/bash
# What only the real Open dialog, folder browser and console show under Wine
# (owners, the browser's selection, a file chosen from the list, a bare name
# taken in the folder the dialog was handed, the console's title), and the
# README's batch client.
#   wine_dialogs_e2e.sh BUILD_DIR     (a Windows build, its prefix set up)
set -u
source "$(dirname "$0")/dialogs.sh" "$1" dialogs
CONSOLE_PROBE=$BUILD/tests/console_window_probe.exe
share=$BUILD/wine-share/dialogs-$$
scratch "$tdir/pick" "$share"
for name in one two 'with space'; do echo "$name" >"$tdir/pick/$name.txt"; done
echo unc >"$share/файл.txt"
open="run_program >\"\$work/out\" 2>\"\$work/err\""

# 1. Picking mode: a full path, then a file chosen from the list of the folder
#    the second dialog opens in (listed only through the right filter), then cancel.
check "picking: two paths then Test" "$T\\pick\\one.txt${EOL}$T\\pick\\with space.txt${EOL}Test${EOL}" \
  dialogs "$open" "Open|open-1-first|$T\\pick\\one.txt|Return" "Open|open-2-from-list||shift+Tab w Return" \
  "Open|open-3-cancel||Escape"
expect_bytes "picking: standard output empty" "" "$work/out"
expect_equal "picking without a console: the Open dialogs have no owner (X11 window type)" \
  "$(printf ' _NET_WM_WINDOW_TYPE_NORMAL%.0s' 1 2 3)" "$types"
expect_equal "picking: closing command ran once with 5" "[5]" "$(recorded)"

# 2. Between two picks the dialog's fallbacks (the current folder, its memory of the program's
#    last folder) move away; the next Open dialog still opens in the pick's folder, where a bare
#    name is taken. Folder mode: the browser opens there, its pick comes back, and the next one's cancel.
forget='reg delete HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\LastVisitedMRU /f'
check "current folder moved, next dialog in the pick's folder; folder mode: selected folder, then a cancel" \
  "$T\\pick\\one.txt${EOL}$T\\pick\\two.txt${EOL}$T\\pick${EOL}${EOL}" \
  dialogs 'run_windows "$PROBE" file "cd=$T" "run=$forget" file folder folder >/dev/null 2>"$work/err"' \
  "Open|folder-1-seed|$T\\pick\\one.txt|Return" "Open|folder-2-in-last-folder|two.txt|Return" \
  "Browse for Folder|folder-3-selected||Return" "Browse for Folder|folder-4-cancel||Escape"

# 3. The console window: none without a terminal; under a pseudo-terminal Wine
#    has one, which the title lookup finds once the window exists, and which
#    the picker takes as the owner when its lookup finds nothing. The lookup
#    puts back the console's own title, whatever its characters.
run_windows "$PROBE" owner >/dev/null 2>"$work/err"
expect_bytes "no terminal: no owner window" "owner null${EOL}" "$work/err"
in_terminal "$CONSOLE_PROBE"
expect_bytes "pseudo-terminal: lookup finds the console window, and a Cyrillic title comes back as it was" \
  "lookup found the console window${EOL}title kept${EOL}" "$work/err"
in_terminal "$PROBE" owner
expect_bytes "pseudo-terminal: the picker finds an owner" "owner found${EOL}" "$work/err"

# 4. Picking mode under a pseudo-terminal: one pick, then cancel.
check "pseudo-terminal: the pick, then Test" "$T\\pick\\two.txt${EOL}Test${EOL}" \
  dialogs 'in_terminal "$PROGRAM"' "Open|open-4-terminal|$T\\pick\\two.txt|Return" \
  "Open|open-5-terminal-cancel||Escape"
expect_equal "pseudo-terminal: both Open dialogs have an owner (X11 window type)" \
  " _NET_WM_WINDOW_TYPE_DIALOG _NET_WM_WINDOW_TYPE_DIALOG" "$types"

# 5. The README's batch client over real picks of names with the characters
#    cmd reads specially ('%' where no defined variable follows, which Wine's
#    cmd expands), then 3002 (a name outside the code page on a share, where
#    Wine has no short name), Test and a message with a backslash: only the picks.
awk '/^## Using pickpath from a script$/ { in_section = 1 } in_section && /^```bat$/ { in_block = 1; next }
  in_block && /^```$/ { exit } in_block { printf "%s\r\n", $0 }' "$(dirname "$0")/../../README.md" >"$tdir/client.bat"
names=('with space.txt' 'Tom & Jerry.txt' 'a&echo INJECTED&.txt' '(1) !x! 100%.txt' ')b( ^ ^^ %undefined% a%b.txt')
steps=() picks=""
for name in "${names[@]}"; do
  echo "$name" >"$tdir/pick/$name"
  steps+=("Open|batch-${#steps[@]}|$T\\pick\\$name|Return")
  picks+="picked [$T\\pick\\$name]${EOL}"
done
steps+=("Open|batch-failure|\\\\localhost\\share\\dialogs-$$\\файл.txt|Return")
client() {
  local -x PICKPATH_TIMEOUT_SAYS="Can't recognize 'C:\\windows\\system32\\timeout.exe 5' as a command."
  dialogs 'run_windows cmd /c "$T\\client.bat" >"$work/out" 2>"$work/client-err"' "${steps[@]}"
  cp "$work/out" "$work/err"
}
check "README batch client: each pick as it is, nothing from a failure code or after Test" "$picks" client
expect_bytes "README batch client: nothing on its standard error" "" "$work/client-err"
# Over lines no dialog gives (a stand-in pickpath.exe writes them), then with no pickpath.exe to find.
says=$'d:\\x y.txt\n\\\\srv\\s h\\z\nAccess is denied.\noperable program or batch file.\n3003\nC:rel.txt\n\\root.txt\nC:\n"C:\\q"\nC:">x\n1:\\x\nTest\nE:\\late.txt'
(cd "$tdir" && cp "$BUILD/tests/planted_timeout.exe" pickpath.exe && PICKPATH_TIMEOUT_SAYS=$says "$WINE_RUN" cmd /c client.bat && cd pick && "$WINE_RUN" cmd /c "$T\\client.bat") >"$work/out" 2>&1
expect_bytes "README batch client over messages, codes, other names, then no pickpath.exe" "picked [d:\\x y.txt]${EOL}picked [\\\\srv\\s h\\z]${EOL}" "$work/out"

finish
