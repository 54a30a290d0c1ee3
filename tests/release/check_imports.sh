#!/bin/bash
# Checks that a Windows exe imports only DLLs that Windows itself ships, so it
# starts on a machine with nothing beside it, and that its header names Windows
# 7 (subsystem 6.1), the oldest with every call it imports.
#
#   check_imports.sh OBJDUMP EXE
set -u
objdump=$1 exe=$2
system_dlls=" kernel32.dll user32.dll comdlg32.dll shell32.dll ole32.dll mpr.dll msvcrt.dll "

header=$("$objdump" -p "$exe")
subsystem=$(printf '%s\n' "$header" | awk '/^M(aj|in)orSubsystemVersion/ {printf "%s", (v ? "." : "") $2; v = 1}')
if [ "$subsystem" != 6.1 ]; then
  echo "not ok - subsystem version ${subsystem:-unread}, not 6.1"
  exit 1
fi
echo "ok - subsystem version 6.1"
imports=$(printf '%s\n' "$header" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
if [ -z "$imports" ]; then
  echo "not ok - no import table read from $exe"
  exit 1
fi
status=0
for dll in $imports; do
  case $system_dlls in
    *" $dll "*) echo "ok - $dll" ;;
    *) echo "not ok - $dll is not a DLL that Windows ships"; status=1 ;;
  esac
done
exit $status
