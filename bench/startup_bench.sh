#!/bin/bash
# Start-up cost of the native tool: echo mode as a whole process against a
# small C program making the same writes and the same system() call, timed in
# alternation. The closing command is stubbed (sleep is /bin/true on PATH), so
# what is timed is start-up, output and one shell start.
#
#   bench/startup_bench.sh [ROUNDS] [PROGRAM]
# PROGRAM defaults to the tool preset's build (made here when needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-400}
program=${2:-}
if [ -z "$program" ]; then
  cmake --preset tool -S "$root" >/dev/null
  cmake --build --preset tool >/dev/null
  program=$root/build/tool/pickpath
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/startup_baseline" "$root/bench/startup_baseline.c"
cc -O2 -o "$work/startup_timer" "$root/bench/startup_timer.c"
mkdir "$work/stubs"
ln -s /bin/true "$work/stubs/sleep"

echo "pickpath: $(ldd "$program" | awk '{print $1}' | tr '\n' ' ')"
PATH="$work/stubs:$PATH" "$work/startup_timer" "$rounds" "$program" "$work/startup_baseline" a 'b c'
