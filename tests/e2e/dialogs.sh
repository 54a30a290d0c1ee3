# The header of the scripts that drive the real Windows dialogs under Wine:
# common.sh, the scratch folder `tdir` (`T` on drive T:), a private Xvfb display
# for the build's wineserver, the helpers below; screenshots in <build>/e2e-screenshots.
#   source dialogs.sh BUILD_DIR NAME     (a Windows build, its prefix set up)
BUILD=$1
MODE=wine PROGRAM=$BUILD/pickpath.exe WINE_RUN=$BUILD/wine-run.sh WINE_BUILD=$BUILD
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
PROBE=$BUILD/tests/picker_probe.exe
tdir=$BUILD/wine-t/$2-$$
T="T:\\$2-$$"
record_waits "$tdir/stubs"
shots=$BUILD/e2e-screenshots
mkdir -p "$shots"
prefix_script=$(dirname "${BASH_SOURCE[0]}")/../wine/prefix.sh
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# Wine's desktop keeps the display it started with: this one, then none again.
on_exit() {
  env -u DISPLAY "$prefix_script" restart "$prefix"
  kill $xvfb 2>/dev/null
}
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
"$prefix_script" restart "$prefix"

# wait_window NAME NOT_ID PID: the id of a window of this exact name (not
# NOT_ID), within 60 s, while the run PID lasts.
wait_window() {
  local id
  for _ in $(seq 600); do
    kill -0 "$3" 2>/dev/null || break
    id=$(xdotool search --name "^$1\$" 2>/dev/null | grep -v "^${2:-none}\$" | head -1)
    if [ -n "$id" ]; then
      sleep 0.5  # let the dialog take input before keys are sent
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "# no window named $1 came up" >&2
  import -display "$DISPLAY" -window root "$shots/missing-window-$(date +%s%N).png" 2>/dev/null
  return 1
}

# wait_exit PID: the exit status of a background run, or 124 after 60 s (with a screenshot).
wait_exit() {
  for _ in $(seq 600); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
    sleep 0.1
  done
  import -display "$DISPLAY" -window root "$shots/no-exit-$(date +%s%N).png" 2>/dev/null
  kill "$1" 2>/dev/null
  return 124
}

# type_text TEXT: xdotool maps a spare key to a letter no key holds (non-ASCII)
# for a quarter of --delay; under load Wine read it too late: those go slowly.
type_text() {
  local rest=$1 run
  while [ -n "$rest" ]; do
    run=${rest%%[^ -~]*}
    if [ -n "$run" ]; then xdotool type --delay 30 "$run"; else run=${rest:0:1}; xdotool type --delay 2000 "$run"; fi
    rest=${rest#"$run"}
  done 2>/dev/null
}

# dialogs RUN STEP...: runs the command line RUN in the background and, for each
# STEP "WINDOW|SHOT|TEXT|KEYS", waits for the next window of that name, takes a
# screenshot, types TEXT and presses KEYS with the pointer over it. `types` gets
# each window's X11 type (_DIALOG with an owner), `status` the run's exit status.
dialogs() {
  local run=$1 pid w=none name shot text keys
  shift
  recorded >/dev/null
  eval "$run" &
  pid=$!
  types=""
  for step; do
    IFS='|' read -r name shot text keys <<<"$step"
    w=$(wait_window "$name" "$w" $pid) || break
    types="$types $(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.* = //')"
    import -display "$DISPLAY" -window root "$shots/$shot.png" 2>/dev/null
    xdotool mousemove --window "$w" 150 100 2>/dev/null
    type_text "$text"
    # shellcheck disable=SC2086  # the key names are meant to be split
    xdotool key --delay 300 $keys 2>/dev/null
  done
  wait_exit $pid
  status=$?
}

# in_terminal EXE ARGS...: runs a Windows program of the build under a
# pseudo-terminal (Wine then gives it a console), its standard error to work/err.
in_terminal() {
  script -qec "cd $(printf %q "$BUILD") && $(printf '%q ' "$WINE_RUN" "$@") 2>$(printf %q "$work/err")" \
    /dev/null </dev/null >/dev/null
}

# retried CHECK CASE...: runs CASE, a dialog case that leaves what the program
# wrote in work/err; when the shell test CHECK fails (xdotool's keys now and then
# go astray), once more on a fresh wineserver, showing the first attempt's bytes.
retried() {
  local check=$1
  shift
  "$@"
  eval "$check" && return 0
  echo "# once more; the first attempt wrote: $(od -An -c <"$work/err" | tr -s ' ' | head -c 300)"
  "$prefix_script" restart "$prefix"
  "$@"
}

# check NAME EXPECTED CASE...: CASE, retried as above, wrote exactly EXPECTED
# to work/err and exited 0.
check() {
  local name=$1 expected=$2
  shift 2
  retried 'cmp -s <(printf "%s" "$expected") "$work/err"' "$@"
  expect_bytes "$name" "$expected" "$work/err"
  expect_equal "$name: exit status" 0 "$status"
}
