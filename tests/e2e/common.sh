# Shared helpers for the test scripts, sourced after setting MODE (native or
# wine) and PROGRAM; for wine also WINE_RUN (the build's wine-run.sh) and
# WINE_BUILD (the build folder, drive B:). `work` and every folder made with
# `scratch` are removed when the script ends, after the caller's on_exit if any.
failures=0
passes=0

# Where the kernel cannot execute the build's (32-bit) Wine loader, the whole script is
# skipped (77), with the reason the prefix set-up found.
if [ "$MODE" = wine ] && [ -f "$WINE_BUILD/wine-unavailable" ]; then
  echo "skipped: $(cat "$WINE_BUILD/wine-unavailable")"
  exit 77
fi

work=$(mktemp -d)
scratch_folders=("$work")
trap 'declare -F on_exit >/dev/null && on_exit; rm -rf "${scratch_folders[@]}"' EXIT
# scratch DIR...: makes each DIR, removed when the script ends.
scratch() { mkdir -p "$@" && scratch_folders+=("$@"); }

# Line end of the program's standard error; the Wine prefix the build's runner uses.
if [ "$MODE" = wine ]; then EOL=$'\r\n'; else EOL=$'\n'; fi
[ "$MODE" = wine ] && prefix=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$WINE_RUN")

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

# windows_path PATH: the Windows name of a path in the prefix's scratch drive
# (T:, the build's wine-t folder) or the build tree (B:).
windows_path() {
  case $1 in
    "$WINE_BUILD/wine-t"/*) printf 'T:%s' "${1#"$WINE_BUILD/wine-t"}" | tr / '\\' ;;
    "$WINE_BUILD"/*) printf 'B:%s' "${1#"$WINE_BUILD"}" | tr / '\\' ;;
    *) echo "no drive maps $1" >&2; return 1 ;;
  esac
}

# record_waits DIR: from here on the closing command's wait (natively a `sleep`
# in DIR, under Wine the prefix's stand-in timeout.exe) appends its arguments,
# as [args], to DIR/args.txt, which `recorded` reads and clears; with
# PICKPATH_TIMEOUT_DELAY set, only after that many seconds.
record_waits() {
  scratch "$1"
  waits=$1/args.txt
  if [ "$MODE" = wine ]; then
    PICKPATH_TIMEOUT_LOG="$(windows_path "$1")\\args.txt"
    export PICKPATH_TIMEOUT_LOG
  else
    printf '#!/bin/sh\n/bin/sleep "${PICKPATH_TIMEOUT_DELAY:-0}"\nprintf "[%%s]\\n" "$*" >>"%s"\n' \
      "$waits" >"$1/sleep"
    chmod +x "$1/sleep"
    export PATH="$1:$PATH"
  fi
}
recorded() { tr -d '\r' <"$waits" 2>/dev/null; rm -f "$waits"; }

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
