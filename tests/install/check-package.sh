#!/usr/bin/env bash
# Makes the Debian package from the build with cpack, in a temporary folder,
# and checks it with lintian: any error or warning fails the check; the
# informational tags are shown and pass.
# Usage: check-package.sh CPACK BUILD_DIR
set -euo pipefail
cpack=$1
build=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; exit 1; }
deb=("$out"/kestrine_*.deb)
lintian --fail-on error,warning --display-info "${deb[0]}"
echo "lintian finds no error and no warning in $(basename "${deb[0]}")"
