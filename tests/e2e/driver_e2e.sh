#!/bin/bash
# End-to-end checks of the program in echo mode: exact bytes on standard error,
# nothing on standard output, the system's own wait command run once (and no
# file of that name elsewhere), arguments split as the C runtime splits them and
# written only in their exact ANSI form, exit status 0 even when output fails.
#
#   driver_e2e.sh native PROGRAM
#   driver_e2e.sh wine PROGRAM WINE_RUN WINE_BUILD
set -u
MODE=$1 PROGRAM=$2 WINE_RUN=${3:-} WINE_BUILD=${4:-}
source "$(dirname "$0")/common.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A stand-in for the platform's wait command that records its arguments.
if [ "$MODE" = wine ]; then
  stubs=$WINE_BUILD/wine-t/driver-$$
  trap 'rm -rf "$work" "$stubs"' EXIT
  record_waits "$stubs"
  with_stub() { "$@"; }
else
  stubs=$work/stubs
  mkdir -p "$stubs"
  printf '#!/bin/sh\nprintf "[%%s]\\n" "$*" >>"$(dirname "$0")/args.txt"\n' >"$stubs/sleep"
  chmod +x "$stubs/sleep"
  with_stub() { PATH="$stubs:$PATH" "$@"; }
fi
args_file=$stubs/args.txt
recorded() { tr -d '\r' <"$args_file" 2>/dev/null; rm -f "$args_file"; }

# Two arguments, the second with a space.
with_stub run_program a 'b c' >"$work/out" 2>"$work/err"
expect_equal "two arguments: exit status" 0 $?
expect_bytes "two arguments: standard error" "a${EOL}b c${EOL}Test${EOL}" "$work/err"
expect_bytes "two arguments: standard output empty" "" "$work/out"
expect_equal "two arguments: closing command ran once with 5" "[5]" "$(recorded)"

# One empty argument still selects echo mode.
with_stub run_program '' >"$work/out" 2>"$work/err"
expect_equal "empty argument: exit status" 0 $?
expect_bytes "empty argument: an empty line, then Test" "${EOL}Test${EOL}" "$work/err"
recorded >/dev/null

# High-bit bytes pass through unchanged (Wine hands UTF-8 arguments over as UTF-16).
if [ "$MODE" = wine ]; then high=$'caf\xc3\xa9'; else high=$'caf\xe9'; fi
with_stub run_program "$high" >"$work/out" 2>"$work/err"
expect_bytes "high-bit byte: byte 0xE9 comes back" $'caf\xe9'"${EOL}Test${EOL}" "$work/err"
recorded >/dev/null

if [ "$MODE" = wine ]; then
  # Echo mode writes an argument only in its exact ANSI form, else an empty line;
  # a fullwidth quote is an ordinary character, never a quote. Double-byte
  # (932, 936) and UTF-8 (65001) arguments come back in their exact bytes.
  # Rows: locale, the argument, what is written (before the line end).
  locales=$WINE_BUILD/locales
  rows=(
    "C.UTF-8|файл.txt|"
    "C.UTF-8|Łódź.txt|"
    "C.UTF-8|a＂ b|"
    "C.UTF-8|a＂|"
    "C.UTF-8|café|caf"$'\xe9'
    "ru_RU.UTF-8|файл.txt|"$'\xf4\xe0\xe9\xeb'".txt"
    "ru_RU.UTF-8|café|"
    "pl_PL.UTF-8|Łódź.txt|"$'\xa3\xf3\x64\x9f'".txt"
    "ja_JP.UTF-8|ソース.txt|"$'\x83\x5c\x81\x5b\x83\x58'".txt"
    "ja_JP.UTF-8|日本 表|"$'\x93\xfa\x96\x7b \x95\x5c'
    "ja_JP.UTF-8|café|"
    "zh_CN.UTF-8|誠運|"$'\xd5\x5c\xdf\x5c'
    "hi_IN.UTF-8|日本|"$'\xe6\x97\xa5\xe6\x9c\xac'
    "hi_IN.UTF-8|файл.txt|"$'\xd1\x84\xd0\xb0\xd0\xb9\xd0\xbb'".txt"
    "hi_IN.UTF-8|😀|"$'\xf0\x9f\x98\x80'
  )
  for row in "${rows[@]}"; do
    locale=${row%%|*} written=${row#*|}
    argument=${written%%|*} written=${written#*|}
    LOCPATH=$locales LC_ALL=$locale run_program "$argument" x >"$work/out" 2>"$work/err"
    expect_bytes "code page of $locale: [$argument] gives [$(printf '%s' "$written" | od -An -tx1 | tr -s ' ')]" \
      "${written}${EOL}x${EOL}Test${EOL}" "$work/err"
    recorded >/dev/null
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
    run_windows cmd /c "$(windows_path "$stubs")\\row.bat" >"$work/out" 2>"$work/err"
    expect_bytes "command line [$line]: split as listed, then the runtime's argv" \
      "${expected}${EOL}Test${EOL}${expected}${EOL}Test${EOL}" "$work/err"
    recorded >/dev/null
  done
  [ -f "$probe" ] || fail "argv_probe.exe was built"

  # Nothing planted runs: a timeout.exe, .com, .cmd or .bat in the current folder
  # (cwd) or on the search path (WINEPATH) stays untouched; the system's own
  # timeout.exe runs once, with 5. One file per run, so that each is the one a
  # search for the bare name would find there.
  planted=$WINE_BUILD/wine-t/planted-$$
  for place in cwd path; do
    for kind in exe com cmd bat; do
      name="planted timeout.$kind ($place)"
      mkdir -p "$planted/cwd" "$planted/path"
      planted_timeout "$planted/$place" "$kind"
      (cd "$planted/cwd" && WINEPATH="$(windows_path "$planted/path")" \
        PICKPATH_PLANTED_LOG="$(windows_path "$planted/$place")\\planted.txt" \
        "$WINE_RUN" "$PROGRAM" x >"$work/out" 2>"$work/err")
      expect_bytes "$name: echo as usual" "x${EOL}Test${EOL}" "$work/err"
      expect_equal "$name: the system's timeout.exe ran once with 5" "[5]" "$(recorded)"
      expect_equal "$name: never ran" "" "$(cat "$planted/$place/planted.txt" 2>/dev/null)"
      rm -rf "$planted"
    done
  done
  # With COMSPEC unset the runtime would search for cmd.exe, from the current
  # folder first: a cmd.exe planted there never runs (the outer interpreter is
  # named by its full path, since a bare `cmd` would find the planted one too).
  mkdir -p "$planted"
  cp "$WINE_BUILD/tests/planted_timeout.exe" "$planted/cmd.exe"
  (cd "$planted" && PICKPATH_PLANTED_LOG="$(windows_path "$planted")\\planted.txt" \
    "$WINE_RUN" 'C:\windows\system32\cmd.exe' /c "set COMSPEC=& $(windows_path "$PROGRAM") x" \
    >"$work/out" 2>"$work/err")
  expect_bytes "COMSPEC unset: echo as usual" "x${EOL}Test${EOL}" "$work/err"
  expect_equal "COMSPEC unset: the system's timeout.exe ran once with 5" "[5]" "$(recorded)"
  expect_equal "COMSPEC unset: the planted cmd.exe never ran" "" "$(cat "$planted/planted.txt" 2>/dev/null)"
  rm -rf "$planted"
fi

# Without a command interpreter the closing command cannot run; the status is still 0.
if [ "$MODE" = wine ]; then
  COMSPEC='C:\missing\cmd.exe' run_program x >/dev/null 2>&1
else
  PATH=/nonexistent run_program x >/dev/null 2>&1
fi
expect_equal "closing command missing: exit status" 0 $?
recorded >/dev/null

# Output that cannot be written: closed, full, a pipe whose reader has gone.
with_stub run_program x 2>&-
expect_equal "standard error closed: exit status" 0 $?
with_stub run_program x 2>/dev/full
expect_equal "standard error on /dev/full: exit status" 0 $?
mkfifo "$work/fifo"
exec 3<>"$work/fifo" 4>"$work/fifo"
exec 3<&-
with_stub run_program x 2>&4
expect_equal "standard error a pipe without reader: exit status" 0 $?
exec 4>&-

finish
