#!/bin/bash
# The Wine set-up's probe decides between run, skip and fail: only a loader the
# kernel cannot execute at all may be skipped, and only where the layer allows
# it; every other broken loader fails.
#
#   probe_test.sh     (needs no prefix: the loaders here are stand-ins)
set -u
MODE=native
source "$(dirname "$0")/../e2e/common.sh"
prefix_script=$(dirname "$0")/prefix.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '#!/bin/sh\n[ "$1" = --version ] && { echo wine-8.0; exit 0; }\necho "cannot run $*" >&2\nexit 1\n' \
  >"$work/version-only"
printf '#!/bin/sh\n[ "$1" = --version ] && { echo wine-8.0; exit 0; }\nexec sleep 60\n' >"$work/hangs"
printf '#!/bin/sh\nprintf "probe\\r\\n"\n' >"$work/works"
# An ELF header for another machine (AArch64): the kernel answers ENOEXEC.
{ printf '\177ELF\002\001\001'; head -c 11 /dev/zero; printf '\267'; head -c 45 /dev/zero; } \
  >"$work/not-executable-here"
chmod +x "$work/version-only" "$work/hangs" "$work/works" "$work/not-executable-here"

# loader, may skip, expected status
rows=(
  "works 0 0"
  "version-only 0 1"
  "version-only 1 1"
  "hangs 1 1"
  "missing 1 1"
  "not-executable-here 1 77"
  "not-executable-here 0 1"
)
for row in "${rows[@]}"; do
  read -r loader may_skip want <<<"$row"
  reason=$(PICKPATH_PROBE_TIMEOUT=2 "$prefix_script" probe "$work/prefix" "$work/$loader" "$may_skip")
  expect_equal "$loader, may skip $may_skip: status $want ($reason)" "$want" $?
done

finish
