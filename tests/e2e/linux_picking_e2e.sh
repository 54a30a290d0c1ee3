#!/bin/bash
# Picking mode of the native Linux build: the terminal prompt under a
# pseudo-terminal, a recording zenity stand-in (it answers, cancels, or cannot
# reach the display), and the failure when no dialog can be shown. The picks lie
# in a folder named 表 (E8 A1 A8): no code-page rule may join them with a '/'.
#   linux_picking_e2e.sh PROGRAM
set -u
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY  # each run that has a display names it
MODE=native PROGRAM=$1
source "$(dirname "$0")/common.sh"
record_waits "$work/stubs"
mkdir -p "$work/start" "$work/表"
# The zenity stand-in records its arguments; its Nth call runs line N of
# work/zenity-plan (shell: what it prints, how it exits).
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\neval "$(sed -n "$(wc -l <"%s")p" "%s")"\n' \
  "$work/zenity-args" "$work/zenity-args" "$work/zenity-plan" >"$work/stubs/zenity"
chmod +x "$work/stubs/zenity"
# plan LINE...: the zenity calls' plan, from a fresh record of their arguments.
plan() { printf '%s\n' "$@" >"$work/zenity-plan"; rm -f "$work/zenity-args"; }
# prompted ANSWERS: the program under a pseudo-terminal, typed ANSWERS, from work/start.
prompted() {
  printf '%b' "$1" >"$work/answers"
  (cd "$work/start" && script -qec "'$PROGRAM' 2>'$work/err'" /dev/null <"$work/answers" >"$work/screen")
}
no_display='echo "(zenity:123): Gtk-WARNING **: 01:02:03.456: cannot open display: :77" >&2; exit 1'

# 1. The prompt: an absolute path, then a bare name (taken in the folder of the
#    previous pick, not the current one), then an empty line.
prompted "$work/表/one.txt\ntwo.txt\n\n"
expect_equal "prompt: exit status" 0 $?
expect_bytes "prompt: two paths then Test" \
  "$work/表/one.txt${EOL}$work/表/two.txt${EOL}Test${EOL}" "$work/err"
expect_equal "prompt: each prompt shows the folder it starts in" \
  "Open in $work/start: Open in $work/表: Open in $work/表: " \
  "$(grep -o "Open in [^:]*: " "$work/screen" | tr -d '\n')"
expect_equal "prompt: closing command ran once with 5" "[5]" "$(recorded)"

# 2. zenity on a display answers a path, then cancels; its diagnostics never reach the output.
plan "echo diagnostic >&2; echo '$work/表/chosen file.txt'" 'echo diagnostic >&2; exit 1'
DISPLAY=:99 setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_equal "zenity: exit status" 0 $?
expect_bytes "zenity: the chosen path then Test" "$work/表/chosen file.txt${EOL}Test${EOL}" "$work/err"
expect_equal "zenity: arguments of the two dialogs" \
  "--file-selection --title=Open|--file-selection --title=Open --filename=$work/表/" \
  "$(paste -sd'|' "$work/zenity-args")"

# 3. No dialog can be shown: neither a display nor a terminal, or zenity cannot
#    reach the display: the dialog fails with code 2, which is reported. Under a
#    terminal, the prompt takes over from zenity.
setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_equal "no dialog possible: exit status" 0 $?
expect_bytes "no dialog possible: code 2, then Test" "2${EOL}Test${EOL}" "$work/err"
plan "$no_display" "$no_display"
DISPLAY=:77 setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_bytes "zenity cannot open the display, no terminal: code 2, then Test" "2${EOL}Test${EOL}" "$work/err"
plan "$no_display" "$no_display"
DISPLAY=:77 prompted "$work/表/one.txt\n\n"
expect_bytes "zenity cannot open the display, a terminal: the prompt's pick, then Test" \
  "$work/表/one.txt${EOL}Test${EOL}" "$work/err"

# 4. Exact answers: a name that ends in CR (a legal file name) loses only zenity's
#    one line end; a current folder that cannot be named (deleted), with no
#    folder given, fails the dialog with code 2 before any prompt.
plan "printf '%s\\r\\n' '$work/表/cr'" 'exit 1'
DISPLAY=:99 setsid -w "$PROGRAM" </dev/null >"$work/out" 2>"$work/err"
expect_bytes "zenity: a name ending in CR comes back whole, then Test" \
  "$work/表/cr"$'\r'"${EOL}Test${EOL}" "$work/err"
mkdir "$work/gone"
printf 'x\n' >"$work/answers"
(cd "$work/gone" && rmdir "$work/gone" &&
  script -qec "'$PROGRAM' 2>'$work/err'" /dev/null <"$work/answers" >"$work/screen")
# The closing command's shell reports the lost folder on the same standard error.
grep -v 'getcwd' "$work/err" >"$work/err-own"
expect_bytes "deleted current folder: code 2, then Test" "2${EOL}Test${EOL}" "$work/err-own"
expect_equal "deleted current folder: no prompt shown" "" "$(grep -o "Open in" "$work/screen")"

finish
