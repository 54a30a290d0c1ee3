#!/bin/bash
# Checks the manifest embedded in a Windows exe (its resource 24, id 1) by the rules Windows applies
# as it loads the exe: one broken, the exe is refused (error 14001, side-by-side) before main runs,
# though Wine may run it.   check_manifest.sh EXE
set -u
xml=$(mktemp) status=0 && trap 'rm -f "$xml"' EXIT
rule() { if [ "$2" = true ]; then echo "ok - $1"; else echo "not ok - $1"; status=1; fi; }
wrestool -x --raw --type=24 --name=1 "$1" >"$xml" && [ -s "$xml" ] || { rule "a manifest in $1" false; exit 1; }
xmllint --noout "$xml" || { rule "the manifest is well-formed XML" false; exit 1; }
q() { xmllint --xpath "$1" "$xml"; }; e() { printf '//*[local-name()="%s"]' "$1"; }
deps="$(e dependentAssembly)/*[local-name()='assemblyIdentity']"
# Rows: a rule; the XPath test that holds when the manifest keeps it.
while IFS=';' read -r name test; do rule "$name" "$(q "$test")"; done <<ROWS
the root is assembly in urn:schemas-microsoft-com:asm.v1, manifestVersion 1.0;boolean(/*[local-name()="assembly" and namespace-uri()="urn:schemas-microsoft-com:asm.v1" and @manifestVersion="1.0"])
one dependency, Microsoft.Windows.Common-Controls 6.0.0.0 as Windows ships it;count($deps) = 1 and count($deps[@type="win32" and @name="Microsoft.Windows.Common-Controls" and @version="6.0.0.0" and @processorArchitecture="*" and @language="*" and @publicKeyToken="6595b64144ccf1df"]) = 1
requestedExecutionLevel asInvoker, highestAvailable or requireAdministrator, uiAccess true or false;count($(e requestedExecutionLevel)) = count($(e requestedExecutionLevel)[(@level="asInvoker" or @level="highestAvailable" or @level="requireAdministrator") and (not(@uiAccess) or @uiAccess="true" or @uiAccess="false")])
ROWS
# match RULE PATH STEP REGEX: the text of each node at PATH (or of its STEP), in lower case, matches REGEX.
match() { local i text bad=""
  for i in $(seq "$(q "count($2)")"); do text=$(q "string(($2)[$i]$3)"); [[ ${text,,} =~ $4 ]] || bad+=" \"$text\""; done
  rule "$1${bad:+; not:$bad}" "$([ -z "$bad" ] && echo true)"; }
part='([0-9]{1,4}|[0-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])'
match "each assemblyIdentity version four numeric parts, each 0 to 65535" "$(e assemblyIdentity)" /@version "^($part\.){3}$part$"
match "each supportedOS Id Vista's, 7's, 8's, 8.1's or 10/11's" "$(e supportedOS)" /@Id '^\{(e2011457-1546-43c5-a5fe-008deee3d3f0|35138b9a-5d96-4fbd-8e2d-a2440225f93a|4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38|1f676c76-80e1-4239-95bb-83d0f6d0da78|8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a)\}$'
match "dpiAware true, false, per monitor or true/pm" "$(e dpiAware)" "" '^\s*(true|false|per[ -]monitor|true/pm)\s*$'
dpi='\s*(unaware|system|permonitor|permonitorv2)\s*'
match "dpiAwareness a list of unaware, system, permonitor, permonitorv2" "$(e dpiAwareness)" "" "^$dpi(,$dpi)*$"
exit $status
