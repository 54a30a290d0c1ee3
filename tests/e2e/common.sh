# Shared helpers for the end-to-end scripts: sourced, not run.
#
# The caller sets MODE (native or wine) and PROGRAM; for wine also WINE_RUN (the
# build's wine-run.sh) and WINE_BUILD (the build folder that the prefix maps as B:).

failures=0
passes=0

# Where the kernel cannot execute the build's (32-bit) Wine loader, the whole script is
# skipped (77), with the reason the prefix set-up found.
if [ "$MODE" = wine ] && [ -f "$WINE_BUILD/wine-unavailable" ]; then
  echo "skipped: $(cat "$WINE_BUILD/wine-unavailable")"
  exit 77
fi

# Line end of the program's standard error.
if [ "$MODE" = wine ]; then EOL=$'\r\n'; else EOL=$'\n'; fi

pass() { passes=$((passes + 1)); echo "ok - $1"; }
fail() { failures=$((failures + 1)); echo "not ok - $1"; }

# expect_bytes NAME EXPECTED-TEXT FILE: the file holds exactly these bytes.
expect_bytes() {
  if cmp -s <(printf '%s' "$2") "$3"; then
    pass "$1"
  else
    fail "$1"
    echo "  expected: $(printf '%s' "$2" | od -An -c | tr -s ' ' | head -c 400)"
    echo "  actual:   $(od -An -c <"$3" | tr -s ' ' | head -c 400)"
  fi
}

# windows_path PATH: the Windows name of a path in the prefix's scratch drive
# (T:, the build's wine-t folder) or the build tree (B:).
windows_path() {
  case $1 in
    "$WINE_BUILD/wine-t"/*) printf 'T:%s' "${1#"$WINE_BUILD/wine-t"}" | tr / '\\' ;;
    "$WINE_BUILD"/*) printf 'B:%s' "${1#"$WINE_BUILD"}" | tr / '\\' ;;
    *) echo "no drive maps $1" >&2; return 1 ;;
  esac
}

# record_waits DIR: from here on the prefix's own timeout.exe (a stand-in in its
# system folder, since Wine has none) appends its arguments, as [args], to
# DIR/args.txt. DIR lies in the build's wine-t folder.
record_waits() {
  mkdir -p "$1"
  PICKPATH_TIMEOUT_LOG="$(windows_path "$1")\\args.txt"
  export PICKPATH_TIMEOUT_LOG
}

# planted_timeout DIR KIND: a timeout.KIND (exe, com, cmd or bat) in DIR that
# appends its arguments to DIR/planted.txt: it must never run. An exe or com is
# a copy of the build's planted_timeout.exe, which records to the file that
# PICKPATH_PLANTED_LOG names: the caller sets it to that file.
planted_timeout() {
  mkdir -p "$1"
  case $2 in
    exe | com) cp "$WINE_BUILD/tests/planted_timeout.exe" "$1/timeout.$2" ;;
    *) printf '@>>"%%~dp0planted.txt" echo [%%*]\r\n' >"$1/timeout.$2" ;;
  esac
}

# expect_same_file NAME EXPECTED-FILE ACTUAL-FILE: both files exist and hold the same bytes.
expect_same_file() {
  if [ -f "$2" ] && [ -f "$3" ] && cmp -s "$2" "$3"; then
    pass "$1"
  else
    fail "$1"
    cmp "$2" "$3" 2>&1 | head -3 | sed 's/^/  /'
  fi
}

# expect_contains NAME TEXT ACTUAL: ACTUAL holds TEXT.
expect_contains() {
  if [[ $3 == *"$2"* ]]; then pass "$1"; else fail "$1"; echo "  expected to hold [$2], got [$3]"; fi
}

# expect_equal NAME EXPECTED ACTUAL
expect_equal() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1"; echo "  expected [$2], got [$3]"; fi
}

# run_windows EXE ARGS...: runs a Windows program of the build under Wine, from
# a folder Wine can name (the build tree, drive B:), and returns its exit status.
run_windows() { (cd "$WINE_BUILD" && "$WINE_RUN" "$@"); }

# run_program ARGS...: runs the program with the caller's redirections.
run_program() {
  if [ "$MODE" = wine ]; then run_windows "$PROGRAM" "$@"; else "$PROGRAM" "$@"; fi
}

finish() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
