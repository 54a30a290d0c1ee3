#!/bin/bash
# The Wine layer's own decisions, made with stand-in loaders in a temp folder:
# the set-up runs, skips (only an i386 loader the kernel cannot execute, where
# allowed) or fails, showing the probe's output; the test command confirms a
# skip only when the probe, asked again, skips; the runner passes a case only
# when it exits 0 with exactly one passed case.
set -u
MODE=native
source "$(dirname "$0")/../e2e/common.sh"
here=$(dirname "$0")
export PICKPATH_PROBE_TIMEOUT=2

# The set-up makes its prefix with wine64 and wineserver: stand-ins that make
# only the files the set-up checks for.
export PICKPATH_WINE_FOLDER=$work/wine
mkdir -p "$PICKPATH_WINE_FOLDER"
printf '#!/bin/sh\n[ "$1" = wineboot ] || exit 0\nmkdir -p "$WINEPREFIX/drive_c/windows/system32" && : >"$WINEPREFIX/system.reg"\n' \
  >"$PICKPATH_WINE_FOLDER/wine64"
printf '#!/bin/sh\nexit 0\n' >"$PICKPATH_WINE_FOLDER/wineserver"
printf 'stands in for timeout.exe' >"$work/stand-in.exe"

# The loaders.
loaders=$work/loaders
mkdir -p "$loaders"
printf '#!/bin/sh\nprintf "probe\\r\\n"\n' >"$loaders/works"
printf '#!/bin/sh\n[ "$1" = --version ] && { echo wine-8.0; exit 0; }\necho "cannot run $*" >&2\nexit 1\n' \
  >"$loaders/version-only"
printf '#!/bin/sh\n[ "$1" = --version ] && { echo wine-8.0; exit 0; }\nexec sleep 60\n' >"$loaders/hangs"
printf '#!/bin/sh\nexec sleep 60\n' >"$loaders/hangs-at-start"
# A real program of this machine (x86-64) with another machine in its header:
# AArch64 (183), or i386 (3) while its class stays 64-bit.
patched() { cp "$(type -P true)" "$loaders/$1" && printf "$2" | dd of="$loaders/$1" bs=1 seek=18 conv=notrunc status=none; }
patched aarch64 '\267\000'
patched class-2-i386 '\003\000'
# header NAME MACHINE: a bare 32-bit header of a machine (two octal escapes), nothing a
# kernel can load after it. With i386 (class 1, machine 3) it is refused with
# "Exec format error" by every kernel, as a genuine i386 loader is where the
# kernel does not run 32-bit programs; with 32-bit ARM (40) as well.
header() { { printf '\177ELF\001\001\001'; head -c 9 /dev/zero; printf "\\002\\000$2"; head -c 32 /dev/zero; } >"$loaders/$1"; }
header i386-header '\003\000'
header arm-header '\050\000'
chmod +x "$loaders"/* "$PICKPATH_WINE_FOLDER"/*

# Rows: loader | may skip | status of the set-up | what its output holds (for
# a failure, the probe's own finding).
rows=(
  "works|0|0|"
  "version-only|0|1|cannot run cmd /c echo probe"
  "version-only|1|1|cannot run cmd /c echo probe"
  "hangs|1|1|no answer within 2 s"
  "hangs-at-start|1|1|no answer within 2 s"
  "missing|1|1|No such file or directory"
  "aarch64|1|1|header names no i386 program"
  "class-2-i386|1|1|header names no i386 program"
  "arm-header|1|1|header names no i386 program"
  "i386-header|1|77|an i386 program (Exec format error)"
  "i386-header|0|1|this layer must run"
)
number=0
for row in "${rows[@]}"; do
  IFS='|' read -r loader may_skip want text <<<"$row"
  name="$loader, may skip $may_skip"
  number=$((number + 1))
  build=$work/build-$number
  mkdir -p "$build"

  output=$("$here/prefix.sh" setup "$build/wineprefix" "$loaders/$loader" "$may_skip" \
    "$work/stand-in.exe" system32)
  expect_equal "$name: the set-up ends with $want" "$want" $?
  case $want in
    0)
      expect_same_file "$name: the set-up put the stand-in in the system folder" \
        "$work/stand-in.exe" "$build/wineprefix/drive_c/windows/system32/timeout.exe" ;;
    77)
      expect_contains "$name: the set-up leaves the reason for the runner" "$text" \
        "$(cat "$build/wine-unavailable" 2>/dev/null)" ;;
    *)
      expect_contains "$name: the set-up fails with the probe's output" "Wine set-up FAILED: " "$output"
      expect_contains "$name: ... which says why" "$text" "$output" ;;
  esac
  [ "$want" = 77 ] || expect_equal "$name: no skip is left for the runner" "" \
    "$(cat "$build/wine-unavailable" 2>/dev/null)"

  # A stale skip marker where the set-up left none: only the re-probe decides.
  [ -f "$build/wine-unavailable" ] || echo "a stale skip" >"$build/wine-unavailable"
  holds=1; [ "$want" = 77 ] && holds=0
  output=$("$here/prefix.sh" confirm-skip "$build/wineprefix" "$loaders/$loader" "$may_skip")
  expect_equal "$name: the test command's re-probe ends with $holds ($output)" "$holds" $?
  rm "$build/wine-unavailable"
  output=$("$here/prefix.sh" confirm-skip "$build/wineprefix" "$loaders/$loader" "$may_skip")
  expect_equal "$name: without the set-up's marker the skip never holds ($output)" 1 $?
done

# The runner, configured as CMake configures it, over a loader that runs its
# first argument as a shell command (the "program").
printf '#!/bin/sh\nexec sh -c "$1"\n' >"$loaders/runs-snippet"
chmod +x "$loaders/runs-snippet"
runner=$work/wine-run.sh
sed -e "s|@CMAKE_BINARY_DIR@|$work|g" -e "s|@PICKPATH_WINEPREFIX@|$work/wineprefix|g" \
  -e "s|@PICKPATH_WINE_LOADER@|$loaders/runs-snippet|g" "$here/wine-run.sh.in" >"$runner"
chmod +x "$runner"

# Rows: the runner's mode | what the program does | the runner's status. A
# program that fails on its first run only (`once`) passes a second: the runner
# gives it one only when Wine said on standard error that it could not start
# it, or when the loader died by a signal.
passed='printf "[  PASSED  ] 1 test.\r\n"'
once="if [ ! -e '$work/ran-once' ]; then touch '$work/ran-once'"
rows=(
  "--one-case|$passed|0"
  "--one-case|$passed; exit 3|3"
  "--one-case|$passed; exit 77|1"
  "--one-case|printf \"[  PASSED  ] 0 tests.\r\n\"|1"
  "--one-case|printf \"[  PASSED  ] 2 tests.\r\n\"|1"
  "--one-case|$passed; $passed|1"
  "--one-case|exit 0|1"
  "--one-case|$once; echo 'err:virtual:map_user_shared_data failed to map the shared user data' >&2; exit 5; fi; $passed|0"
  "--one-case|$once; echo 'some other failure' >&2; exit 5; fi; $passed|5"
  "--one-case|$once; kill -SEGV \$\$; fi; $passed|0"
  "--one-case|kill -SEGV \$\$|139"
  "plain|exit 3|3"
  "plain|exit 0|0"
)
for row in "${rows[@]}"; do
  IFS='|' read -r mode program want <<<"$row"
  rm -f "$work/ran-once"
  # shellcheck disable=SC2086  # a plain run takes no mode argument
  "$runner" ${mode#plain} "$program" >"$work/out" 2>&1
  expect_equal "runner $mode, a program that does [$program]: status $want" "$want" $?
done

# Once the set-up skipped the layer, the runner runs nothing and skips too.
echo "the reason" >"$work/wine-unavailable"
output=$("$runner" --one-case "touch '$work/ran'")
expect_equal "runner after a skipped set-up: status 77" 77 $?
expect_equal "runner after a skipped set-up: it says why" "skipped: the reason" "$output"
expect_equal "runner after a skipped set-up: the program never ran" "" "$(ls "$work/ran" 2>/dev/null)"

finish
