#!/bin/bash
# Checks the manifest embedded in a Windows exe (resource 24, id 1) by the rules Windows applies as it
# loads the exe, which it refuses on one broken (error 14001, side-by-side), though Wine may run it. Values
# compare ignoring case, as Windows does, but for type; any complaint of xmllint's (some exit 0) fails.  check_manifest.sh EXE
set -u
xml=$(mktemp) status=0 && trap 'rm -f "$xml"' EXIT
rule() { if [ "$2" = true ]; then echo "ok - $1"; else echo "not ok - $1"; status=1; fi; }
wrestool -x --raw --type=24 --name=1 "$1" >"$xml" && [ -s "$xml" ] || { rule "a manifest in $1" false; exit 1; }
[ -z "$(xmllint --noout "$xml" 2>&1)" ] || { xmllint --noout "$xml"; rule "the manifest is well-formed XML" false; exit 1; }
q() { xmllint --xpath "$1" "$xml"; }; e() { printf '*[local-name()="%s"%s]' "$1" "${2:+ and namespace-uri()=\"urn:schemas-microsoft-com:asm.v$2\"}"; }
lc() { printf 'translate(%s, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz")' "$1"; }
while IFS=';' read -r name test; do rule "$name" "$(q "$test")"; done <<ROWS
the root is assembly in urn:schemas-microsoft-com:asm.v1, manifestVersion 1.0;boolean(/$(e assembly 1)[@manifestVersion="1.0"])
each element of the root in asm.v1 one Windows knows;not(/*/*[namespace-uri()="urn:schemas-microsoft-com:asm.v1" and not(contains("|assemblyIdentity|noInherit|noInheritable|description|file|comInterfaceExternalProxyStub|dependency|trustInfo|application|compatibility|", concat("|", local-name(), "|")))])
the root's assemblyIdentity, if any, one of type win32, with a name and a known processorArchitecture;count(/*/$(e assemblyIdentity)) < 2 and count(/*/$(e assemblyIdentity)) = count(/*/$(e assemblyIdentity 1)[@type="win32" and string(@name) and contains("|x86|amd64|arm|arm64|ia64|*||", concat("|", $(lc @processorArchitecture), "|"))])
one dependency, Microsoft.Windows.Common-Controls 6.0.0.0 as Windows ships it;count(//$(e dependentAssembly)) = 1 and count(/$(e assembly 1)/$(e dependency 1)/$(e dependentAssembly 1)/$(e assemblyIdentity 1)[count(@*) = 6 and @type="win32" and $(lc @name)="microsoft.windows.common-controls" and @version="6.0.0.0" and @processorArchitecture="*" and @language="*" and $(lc @publicKeyToken)="6595b64144ccf1df"]) = 1
each requestedPrivileges holds one requestedExecutionLevel, asInvoker, highestAvailable or requireAdministrator, uiAccess true or false;not(//$(e requestedPrivileges)[count(*) != 1 or not($(e requestedExecutionLevel))]) and not(//$(e requestedExecutionLevel)[not(contains("|asinvoker|highestavailable|requireadministrator|", concat("|", $(lc @level), "|")) and contains("|true|false||", concat("|", $(lc @uiAccess), "|")))])
ROWS
# match RULE PATH STEP REGEX: the text of each node at PATH (or of its STEP), in lower case, matches REGEX.
match() { local i text bad=""
  for i in $(seq "$(q "count($2)")"); do text=$(q "concat(($2)[$i]$3, '#')"); text=${text%#}; [[ ${text,,} =~ $4 ]] || bad+=" \"$text\""; done
  rule "$1${bad:+; not:$bad}" "$([ -z "$bad" ] && echo true)"; }
part='([0-9]{1,4}|[0-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|655[0-2][0-9]|6553[0-5])' ws=$'[ \t\r\n]*' && dpi="$ws(unaware|system|permonitor|permonitorv2)$ws"
match "each assemblyIdentity version four numeric parts, each 0 to 65535" "//$(e assemblyIdentity)" /@version "^($part\.){3}$part$"
match "each supportedOS Id Vista's, 7's, 8's, 8.1's or 10/11's" "//$(e supportedOS)" /@Id '^\{(e2011457-1546-43c5-a5fe-008deee3d3f0|35138b9a-5d96-4fbd-8e2d-a2440225f93a|4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38|1f676c76-80e1-4239-95bb-83d0f6d0da78|8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a)\}$'
match "dpiAware true, false, per monitor or true/pm" "//$(e dpiAware)" "" "^$ws(true|false|per monitor|true/pm)$ws$"
match "dpiAwareness a list of unaware, system, permonitor, permonitorv2" "//$(e dpiAwareness)" "" "^$dpi(,$dpi)*$"
exit $status
