# Shared by the end-to-end scripts that drive the real Windows dialogs: sourced
# after common.sh, with BUILD set to the build folder and a function on_exit
# defined for the caller's own clean-up. It starts a private Xvfb display, hands
# it to the build's wineserver, and defines the helpers below. Screenshots of
# each dialog go to <build>/e2e-screenshots.

shots=$BUILD/e2e-screenshots
dialogs_state=$(mktemp -d)
mkdir -p "$shots"
exec 5>"$dialogs_state/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prefix_script=$(dirname "${BASH_SOURCE[0]}")/../wine/prefix.sh
prefix=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$WINE_RUN")
# Wine's desktop keeps the display it started with: give it this one, and a
# display-less one again when done.
close_display() {
  env -u DISPLAY "$prefix_script" restart "$prefix"
  kill $xvfb 2>/dev/null
  rm -rf "$dialogs_state"
}
trap 'on_exit; close_display' EXIT
for _ in $(seq 50); do [ -s "$dialogs_state/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$dialogs_state/display")
"$prefix_script" restart "$prefix"

# wait_window NAME [NOT_ID]: the id of a window with this exact name (other than NOT_ID).
wait_window() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | grep -v "^${2:-none}\$" | head -1)
    if [ -n "$id" ]; then
      sleep 0.5  # let the dialog take input before keys are sent
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "# no window named $1 came up within 15 s" >&2
  import -display "$DISPLAY" -window root "$shots/missing-window-$(date +%s%N).png" 2>/dev/null
  return 1
}

# act WINDOW SHOT [TEXT] KEYS: screenshot, then type TEXT and press KEYS (one or
# more key names, separated by spaces) with the pointer over the window.
act() {
  import -display "$DISPLAY" -window root "$shots/$2.png" 2>/dev/null
  xdotool mousemove --window "$1" 150 100 2>/dev/null
  [ $# -eq 4 ] && xdotool type --delay 30 "$3" 2>/dev/null
  # shellcheck disable=SC2086  # the key names are meant to be split
  xdotool key --delay 300 ${@: -1} 2>/dev/null
}

# handed_folders FILE: the initial folder each Open dialog was handed, one a
# line, from the standard error of a run with WINEDEBUG=-all,trace+commdlg.
handed_folders() {
  grep -a -o 'Before manipulation.*dir = L"[^"]*"' "$1" | sed 's/.*dir = L"//; s/"$//; s/\\\\/\\/g'
}

# window_type WINDOW: the X11 window type Wine gave a window:
# _NET_WM_WINDOW_TYPE_DIALOG for a window with an owner, _NET_WM_WINDOW_TYPE_NORMAL without.
window_type() {
  xprop -display "$DISPLAY" -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.* = //'
}

# wait_exit PID: the exit status of a background run, or 124 after 60 s.
wait_exit() {
  for _ in $(seq 600); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
    sleep 0.1
  done
  kill "$1" 2>/dev/null
  return 124
}
