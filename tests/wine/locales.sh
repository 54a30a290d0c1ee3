#!/bin/bash
# Generates the locales that give Wine's programs the other common ANSI code
# pages, into a folder of the build tree (use it as LOCPATH), leaving the
# system's own locales alone: ru_RU (1251), pl_PL (1250), ja_JP (932), zh_CN
# (936), zh_TW (950), ko_KR (949) and hi_IN (65001, UTF-8). A locale already
# there is kept.
#
#   locales.sh DIR
set -uo pipefail
dir=$1
mkdir -p "$dir"
for locale in ru_RU pl_PL ja_JP zh_CN zh_TW ko_KR hi_IN; do
  [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] && continue
  if [ ! -f "/usr/share/i18n/locales/$locale" ]; then
    echo "no source for $locale in /usr/share/i18n/locales: install the package locales"
    exit 1
  fi
  # localedef exits 1 on warnings alone; the locale is written all the same.
  localedef -i "$locale" -f UTF-8 "$dir/$locale.UTF-8" >"$dir/$locale.log" 2>&1
  if [ ! -f "$dir/$locale.UTF-8/LC_CTYPE" ]; then
    echo "localedef could not make $locale.UTF-8:"
    tail -5 "$dir/$locale.log"
    exit 1
  fi
  echo "made $locale.UTF-8"
done
