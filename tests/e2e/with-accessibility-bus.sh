#!/usr/bin/env bash
# Runs a command on the private X desktop (with-desktop.sh) with a session bus
# of its own and the desktop's accessibility bus on it, as a screen reader's
# desktop session has them.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
    exec "$(dirname "$0")/with-desktop.sh" dbus-run-session -- "$0" --inside "$@"
fi
shift

# The session bus starts the accessibility bus's launcher when first asked
# for the bus; it is there once the launcher answers.
. "$(dirname "$0")/../support/shell.sh"
await dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
    { echo "no accessibility bus" >&2; exit 1; }
exec "$@"
