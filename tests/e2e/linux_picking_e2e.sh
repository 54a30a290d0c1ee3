#!/bin/bash
# Picking mode of the native Linux build: the terminal prompt under a
# pseudo-terminal, a recording stand-in for zenity on a display, and the
# failure report when there is neither. The picks lie in a folder named 表
# (UTF-8 E8 A1 A8): bytes that no code-page rule may join with the '/' after them.
#
#   linux_picking_e2e.sh PROGRAM
set -u
export LC_ALL=C.UTF-8
MODE=native PROGRAM=$1
source "$(dirname "$0")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/stubs" "$work/start" "$work/表"
# The closing command's stand-in.
printf '#!/bin/sh\nprintf "[%%s]\\n" "$*" >>"%s/sleep-args"\n' "$work" >"$work/stubs/sleep"
chmod +x "$work/stubs/sleep"
export PATH="$work/stubs:$PATH"

# 1. The prompt: an absolute path, then a bare name (taken in the folder of the
#    previous pick, not the current one), then an empty line.
printf '%s\ntwo.txt\n\n' "$work/表/one.txt" >"$work/answers"
(cd "$work/start" && script -qec "'$PROGRAM' 2>'$work/err'" /dev/null <"$work/answers" >"$work/screen")
expect_equal "prompt: exit status" 0 $?
expect_bytes "prompt: two paths then Test" \
  "$work/表/one.txt${EOL}$work/表/two.txt${EOL}Test${EOL}" "$work/err"
expect_equal "prompt: each prompt shows the folder it starts in" \
  "Open in $work/start: Open in $work/表: Open in $work/表: " \
  "$(grep -o "Open in [^:]*: " "$work/screen" | tr -d '\n')"
expect_equal "prompt: closing command ran once with 5" "[5]" "$(cat "$work/sleep-args")"

# 2. zenity on a display: a recording stand-in answers a path, then cancels.
cat >"$work/stubs/zenity" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$work/zenity-args"
echo "zenity: a diagnostic that must not reach the output" >&2
calls=\$(wc -l <"$work/zenity-args")
if [ "\$calls" -eq 1 ]; then echo "$work/表/chosen file.txt"; exit 0; fi
exit 1
STUB
chmod +x "$work/stubs/zenity"
DISPLAY=:99 setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_equal "zenity: exit status" 0 $?
expect_bytes "zenity: the chosen path then Test" "$work/表/chosen file.txt${EOL}Test${EOL}" "$work/err"
expect_equal "zenity: arguments of the two dialogs" \
  "--file-selection --title=Open|--file-selection --title=Open --filename=$work/表/" \
  "$(paste -sd'|' "$work/zenity-args")"

# 3. Neither a display nor a terminal: the dialog fails with code 2, which is reported.
env -u DISPLAY -u WAYLAND_DISPLAY setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_equal "no dialog possible: exit status" 0 $?
expect_bytes "no dialog possible: code 2, then Test" "2${EOL}Test${EOL}" "$work/err"

# 4. Exact answers: a name that ends in CR (a legal file name) loses only zenity's
#    one line end; a current folder that cannot be named (deleted), with no
#    folder given, fails the dialog with code 2 before any prompt.
rm -f "$work/zenity-args"
cat >"$work/stubs/zenity" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$work/zenity-args"
[ "\$(wc -l <"$work/zenity-args")" -eq 1 ] || exit 1
printf '%s\r\n' "$work/表/cr"
STUB
DISPLAY=:99 setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_bytes "zenity: a name ending in CR comes back whole, then Test" \
  "$work/表/cr"$'\r'"${EOL}Test${EOL}" "$work/err"
mkdir "$work/gone"
printf 'x\n' >"$work/answers"
(cd "$work/gone" && rmdir "$work/gone" &&
  env -u DISPLAY -u WAYLAND_DISPLAY script -qec "'$PROGRAM' 2>'$work/err'" /dev/null \
    <"$work/answers" >"$work/screen")
# The closing command's shell reports the lost folder on the same standard error.
grep -v 'getcwd' "$work/err" >"$work/err-own"
expect_bytes "deleted current folder: code 2, then Test" "2${EOL}Test${EOL}" "$work/err-own"
expect_equal "deleted current folder: no prompt shown" "" "$(grep -o "Open in" "$work/screen")"

finish
