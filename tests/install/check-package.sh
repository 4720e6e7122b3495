#!/usr/bin/env bash
# Makes the Debian package from the build with cpack, in a temporary folder,
# and checks it as a distribution's reviewer does: lintian finds nothing at
# any level, pedantic and informational included; the packaged program is
# hardened (PIE, stack protector, RELRO, immediate binding) and carries no
# RUNPATH; mandoc finds nothing to remark in the manual page.
# Usage: check-package.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2

. "$(dirname "$0")/../support/shell.sh"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
deb=("$out"/kestrine_*.deb)
tags=$(lintian --display-info --pedantic "${deb[0]}") && [ -z "$tags" ] || fail "lintian:"$'\n'"$tags"

dpkg-deb --extract "${deb[0]}" "$out/root"
program=$out/root/usr/bin/kestrine
# Fortified calls are counted, not the flag: the program may make none that
# can be checked. Control-flow protection is marked only when every object
# has it, and Debian 12's C start-up files do not.
hardening-check --nofortify --nocfprotection "$program" || fail "hardening-check"
if readelf --dynamic "$program" | grep -E 'RPATH|RUNPATH'; then
    fail "the packaged program has a RUNPATH"
fi
remarks=$(mandoc -Tlint "$out/root/usr/share/man/man1/kestrine.1.gz" 2>&1) && [ -z "$remarks" ] ||
    fail "mandoc:"$'\n'"$remarks"
echo "lintian, hardening-check, readelf and mandoc find nothing to remark in $(basename "${deb[0]}")"
