#!/bin/bash
# End-to-end checks of the program in echo mode: exact bytes on standard error,
# nothing on standard output, the system's own wait command run once (and no
# file of that name elsewhere, nor a command interpreter other than the
# system's), arguments split as the C runtime splits them and written only in
# their exact ANSI form, exit status 0 even when output fails.
#
#   driver_e2e.sh native PROGRAM
#   driver_e2e.sh wine PROGRAM WINE_RUN WINE_BUILD
set -u
MODE=$1 PROGRAM=$2 WINE_RUN=${3:-} WINE_BUILD=${4:-}
source "$(dirname "$0")/common.sh"
if [ "$MODE" = wine ]; then stubs=$WINE_BUILD/wine-t/driver-$$; else stubs=$work/stubs; fi
record_waits "$stubs"

# run COMMAND...: runs a case, its output to work/out and work/err; once more
# only when Wine could not start a process ("failed to map the shared user
# data", shown by err+virtual; cmd then says "Can't recognize" for it) or its
# loader died by a signal.
[ "$MODE" = wine ] && export WINEDEBUG=-all,err+virtual
run() {
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  if grep -aq "failed to map the shared user data" "$work/err" || { [ "$MODE" = wine ] && [ "$status" -gt 128 ]; }; then
    echo "# Wine could not start a process; once more. The first attempt wrote: $(od -An -c <"$work/err" | head -c 300)"
    recorded >/dev/null
    "$@" >"$work/out" 2>"$work/err"
    status=$?
  fi
  return $status
}

# Two arguments, the second with a space. The closing command is waited for,
# however long it takes: a wait that records only after 6 s (longer than any
# bound a slip could set) has recorded when the program ends, which took as long.
started=${EPOCHREALTIME//[!0-9]/}
PICKPATH_TIMEOUT_DELAY=6 run run_program a 'b c'
expect_equal "two arguments: exit status" 0 $?
took=$(( ${EPOCHREALTIME//[!0-9]/} - started ))
expect_bytes "two arguments: standard error" "a${EOL}b c${EOL}Test${EOL}" "$work/err"
expect_bytes "two arguments: standard output empty" "" "$work/out"
expect_equal "two arguments: the closing command, waited for 6 s, ran once with 5" "[5]" "$(recorded)"
expect_equal "two arguments: the run took 6 s or more (took ${took} us)" 1 $(( took >= 6000000 ))

# One empty argument still selects echo mode.
run run_program ''
expect_equal "empty argument: exit status" 0 $?
expect_bytes "empty argument: an empty line, then Test" "${EOL}Test${EOL}" "$work/err"

# High-bit bytes pass through unchanged (Wine hands UTF-8 arguments over as UTF-16).
if [ "$MODE" = wine ]; then high=$'caf\xc3\xa9'; else high=$'caf\xe9'; fi
run run_program "$high"
expect_bytes "high-bit byte: byte 0xE9 comes back" $'caf\xe9'"${EOL}Test${EOL}" "$work/err"

if [ "$MODE" = wine ]; then
  # Echo mode writes an argument only in its exact ANSI form, else an empty line;
  # a fullwidth quote is an ordinary character, never a quote. Double-byte
  # (932) and UTF-8 (65001: up to three bytes for one UTF-16 unit) arguments
  # come back in their exact bytes. Rows: locale, the argument, what is written.
  rows=(
    "C.UTF-8|файл.txt|"
    "C.UTF-8|a＂ b|"
    "ja_JP.UTF-8|日本 表|"$'\x93\xfa\x96\x7b \x95\x5c'
    "hi_IN.UTF-8|日本|"$'\xe6\x97\xa5\xe6\x9c\xac'
    "hi_IN.UTF-8|😀|"$'\xf0\x9f\x98\x80'
  )
  for row in "${rows[@]}"; do
    IFS='|' read -r locale argument written <<<"$row"
    LOCPATH=$WINE_BUILD/locales LC_ALL=$locale run run_program "$argument" x
    expect_bytes "code page of $locale: [$argument] gives [$(printf '%s' "$written" | od -An -tx1 | tr -s ' ')]" \
      "${written}${EOL}x${EOL}Test${EOL}" "$work/err"
  done

  # Raw command lines, as a batch file hands them over: each splits as the C
  # runtime's argv does (argv_probe writes that argv the way echo mode wrote it
  # before), and as listed. Rows: the arguments' part of the line | the lines.
  probe=$WINE_BUILD/tests/argv_probe.exe
  rows=(
    'a "b c" d|a/b c/d'
    '"" x ""|/x/'
    'a\"b|a"b'
    'a\\"b c"|a\b c'
    'a\\\"b|a\"b'
    'C:\dir\ "C:\dir\\"|C:\dir\/C:\dir\'
    '"a"b"c d"|abc d'
    '"unterminated x|unterminated x'
    'a	 b|a/b'
  )
  for row in "${rows[@]}"; do
    line=${row%%|*}
    expected=${row#*|}
    expected=${expected//\//$EOL}
    printf '@%s %s\r\n@%s %s\r\n' "$(windows_path "$PROGRAM")" "$line" "$(windows_path "$probe")" "$line" \
      >"$stubs/row.bat"
    run run_windows cmd /c "$(windows_path "$stubs")\\row.bat"
    expect_bytes "command line [$line]: split as listed, then the runtime's argv" \
      "${expected}${EOL}Test${EOL}${expected}${EOL}Test${EOL}" "$work/err"
  done
  [ -f "$probe" ] || fail "argv_probe.exe was built"

  # Nothing planted runs, one file per run in the current folder (cwd) or on
  # WINEPATH (a timeout.exe, .com, .bat or .cmd, a cmd.exe), and the system's
  # timeout.exe runs with 5, unless COMSPEC names a program by a full path (@:
  # the planted folder, at T:'s root and at the share's, as a link); one that
  # cannot start leaves the system's cmd.exe.
  # Rows: the planted file | COMSPEC | what the planted file records.
  ran='[/c C:\windows\system32\timeout.exe 5]'
  rows=(cwd/timeout.exe path/timeout.com cwd/timeout.bat path/timeout.cmd
    'cwd/cmd.exe|' 'cwd/cmd.exe|C:\windows' 'cwd/cmd.exe|C:\missing\cmd.exe' 'cwd/cmd.exe|cmd.exe'
    'cwd/cmd.exe|T:cmd.exe' 'path/broken.exe|T:\@\path\broken.exe'
    "path/shell.exe|T:\\@\\path\\shell.exe|$ran" "path/shell.exe|T:/@/path/shell.exe|$ran"
    "path/a b (1)/shell.exe|T:\\@\\path\\a b (1)\\shell.exe|$ran"
    "path/shell.exe|\\\\localhost\\share\\@\\path\\shell.exe|$ran")
  planted=$WINE_BUILD/wine-t/planted-$$
  scratch "$planted"
  link=$WINE_BUILD/wine-share/${planted##*/}
  ln -s "$planted" "$link" && scratch_folders+=("$link")
  for row in "${rows[@]}"; do
    IFS='|' read -r file comspec records <<<"$row"
    mkdir -p "$planted/cwd" "$(dirname "$planted/$file")"
    recorded >/dev/null
    case $file in
      */broken.exe) printf 'no program' >"$planted/$file" ;;
      *.exe | *.com) cp "$WINE_BUILD/tests/planted_timeout.exe" "$planted/$file" ;;
      *) printf '@>>"%%~dp0planted.txt" echo [%%*]\r\n' >"$planted/$file" ;;
    esac
    name="planted $file"
    command=("$PROGRAM" x)
    if [[ $row == *"|"* ]]; then
      comspec=${comspec/@/${planted##*/}}
      name="$name, COMSPEC [$comspec]"
      command=('C:\windows\system32\cmd.exe' /c "set COMSPEC=$comspec& $(windows_path "$PROGRAM") x")
    fi
    cd "$planted/cwd" || break
    WINEPATH="$(windows_path "$planted/path")" \
      PICKPATH_PLANTED_LOG="$(windows_path "$(dirname "$planted/$file")")\\planted.txt" run "$WINE_RUN" "${command[@]}"
    cd "$work" || break
    expect_bytes "$name: echo as usual" "x${EOL}Test${EOL}" "$work/err"
    system="[5]"; [ -n "$records" ] && system=""
    expect_equal "$name: the system's timeout.exe recorded [$system]" "$system" "$(recorded)"
    expect_equal "$name: it recorded [$records]" "$records" \
      "$(tr -d '\r' <"$(dirname "$planted/$file")/planted.txt" 2>/dev/null)"
    rm -rf "$planted"
  done
  for row in 'T:\|T:\' '\\localhost\share|C:\windows\system32'; do
    PICKPATH_TIMEOUT_FOLDER=1 run run_windows cmd /c "cd /d ${row%|*} & $(windows_path "$PROGRAM") x"
    expect_equal "started in ${row%|*}: the closing command ran in ${row#*|}" "[5] ${row#*|}" "$(recorded)"
  done
else
  # Without the wait command the closing command cannot run; the status is still 0.
  PATH=/nonexistent run_program x >/dev/null 2>&1
  expect_equal "closing command missing: exit status" 0 $?
fi

# Output that cannot be written: closed, full, a pipe whose reader has gone.
run_program x 2>&-
expect_equal "standard error closed: exit status" 0 $?
run_program x 2>/dev/full
expect_equal "standard error on /dev/full: exit status" 0 $?
mkfifo "$work/fifo"
exec 3<>"$work/fifo" 4>"$work/fifo"
exec 3<&-
run_program x 2>&4
expect_equal "standard error a pipe without reader: exit status" 0 $?
exec 4>&-

finish
