#!/usr/bin/env bash
# Installs the build into a temporary folder, as a package would lay it out,
# and checks the desktop entry, the icon and the AppStream metainfo with the
# validators a desktop uses. Any remark from a validator fails the check.
set -euo pipefail
build=$1

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"

. "$(dirname "$0")/../support/shell.sh"

[ -x "$root/bin/kestrine" ] || fail "no program in bin"

entry="$root/share/applications/org.orbeck.kestrine.desktop"
remarks=$(desktop-file-validate "$entry" 2>&1) && [ -z "$remarks" ] || fail "desktop-file-validate: $remarks"

icon=$(sed -n 's/^Icon=//p' "$entry")
svg="$root/share/icons/hicolor/scalable/apps/$icon.svg"
[ -f "$svg" ] || fail "no scalable icon '$icon' in the hicolor theme"

metainfo="$root/share/metainfo/org.orbeck.kestrine.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$metainfo")
[ "$id.desktop" = "$(basename "$entry")" ] || fail "metainfo id '$id' does not name the desktop entry"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "no launchable desktop entry"

echo "installed program, desktop entry, icon and metainfo are valid"
