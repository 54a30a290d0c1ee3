#!/bin/bash
# Checks the release zips: rebuilt from a copy of the source elsewhere, each
# has the same bytes; its checksum verifies; it holds the exe and the README;
# its exe is the one its Windows build's green run recorded (SHA-256, result).
#   reproducible.sh SOURCE_DIR ZIP TESTED_RECORD [ZIP TESTED_RECORD]...
set -u
source_dir=$1
shift
MODE=native
source "$(dirname "$0")/../e2e/common.sh"

# 1. The same release from a copy of the source and its commit, in a folder of another name and depth.
copy=$work/another/place/pickpath
mkdir -p "$copy"
tar -C "$source_dir" --exclude=./build -cf - . | tar -C "$copy" -xf -
if (cd "$copy" && cmake --workflow --preset release) >"$work/build.log" 2>&1; then
  pass "rebuilt in $copy"
else
  fail "rebuilt in $copy"
  tail -20 "$work/build.log"
fi

# plain_lines: a text's lines without Markdown marks, underlines, indentation or blank lines.
plain_lines() { LC_ALL=C sed -e '1s/^\xef\xbb\xbf//' -e 's/\r$//' -e '/^```/d' -e 's/[`*]//g' -e 's/^#* *//' -e '/^[-=]*$/d'; }
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}
# tested RECORD: 0 when RECORD exists and names the shipped exe, else 1; says which.
tested() {
  if [ ! -f "$1" ]; then
    echo "no record of a green $layer run ($1): the test command writes it"
    return 1
  fi
  local hash
  hash=$(sed -n 1p "$1")
  if [ "$hash" != "$shipped" ]; then
    echo "the record names another exe: $hash, the zip holds $shipped"
    return 1
  fi
  echo "the exe is the one the $layer run tested, which $(sed -n 2p "$1")"
}

while [ $# -ge 2 ]; do
  zip=$1 record=$2
  shift 2
  name=$(basename "$zip")
  layer=$(basename "$(dirname "$record")")
  again=$copy/build/release/$name
  expect_same_file "$name rebuilt elsewhere: the zip has the same bytes" "$zip" "$again"
  expect_same_file "$name rebuilt elsewhere: the checksum file has the same bytes" "$zip.sha256" "$again.sha256"

  # 2. The checksum file names the zip and verifies.
  (cd "$(dirname "$zip")" && sha256sum --check --status "$name.sha256")
  expect_equal "$name: the checksum file verifies" 0 $?

  # 3. The contents, in order, dated from the commit, and README.txt: the README up to its
  #    Linux part as plain text for Notepad, naming this version and none of the developers' tools.
  expect_equal "$name holds the exe and README.txt" "pickpath.exe README.txt" \
    "$(unzip -Z1 "$zip" | tr '\n' ' ' | sed 's/ $//')"
  expect_equal "$name: its entries carry the commit's time" "$(TZ=UTC date -d @$(( (epoch + 1) / 2 * 2 )) +%Y%m%d.%H%M%S)" "$(unzip -Z -T "$zip" | grep -o '[0-9]\{8\}\.[0-9]\{6\}' | sort -u)"
  unzip -p "$zip" README.txt >"$work/README.txt"
  expect_equal "$name: README.txt says line by line what the README's Windows part says" \
    "$(sed -n '/^## On Linux$/q;p' "$source_dir/README.md" | plain_lines)" "$(plain_lines <"$work/README.txt")"
  expect_equal "$name: README.txt ends every line in CR LF" "$(wc -l <"$work/README.txt")" "$(grep -c $'\r$' "$work/README.txt")"
  expect_equal "$name: README.txt starts with a byte-order mark where it holds text beyond ASCII" 0 \
    "$([ "$(head -c3 "$work/README.txt")" = $'\xef\xbb\xbf' ] || ! LC_ALL=C grep -q '[^ -~[:space:]]' "$work/README.txt"; echo $?)"
  expect_equal "$name: README.txt shows no Markdown mark" "" "$(grep -n -E '`|[*][*]|^#' "$work/README.txt")"
  expect_equal "$name: README.txt is at most 80 columns wide" 1 $(( $(tr -d '\r' <"$work/README.txt" | LC_ALL=C.UTF-8 wc -L) <= 80 ))
  expect_equal "$name: README.txt names this version's zips" "${name%-win*}-win" "$(grep -o 'pickpath-[0-9][0-9.]*-win' "$work/README.txt" | sort -u)"
  expect_equal "$name: README.txt names no developers' tool" "" "$(grep -o -i -E 'cmake|ctest|xvfb|xdotool|wine prefix' "$work/README.txt" | sort -u | tr '\n' ' ')"

  # 4. The exe is the one that a green run of its build tested; the same check
  #    refuses a record of another exe (the README's hash) and a missing one.
  unzip -p "$zip" pickpath.exe >"$work/pickpath.exe"
  shipped=$(sha256sum "$work/pickpath.exe" | cut -d' ' -f1)
  reason=$(tested "$record")
  expect_equal "$name: $reason" 0 $?
  { sha256sum "$work/README.txt" | cut -d' ' -f1; echo "passed the $layer tests"; } >"$work/other-exe.txt"
  rm -f "$work/missing.txt"
  for row in other-exe missing; do
    reason=$(tested "$work/$row.txt")
    expect_equal "$name: the check refuses the record $row.txt: $reason" 1 $?
  done
done
[ $# -eq 0 ] || fail "arguments come in pairs: ZIP TESTED_RECORD"

finish
