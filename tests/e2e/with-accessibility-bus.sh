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
deadline=$((SECONDS + 30))
until dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; do
    ((SECONDS < deadline)) || { echo "no accessibility bus" >&2; exit 1; }
    sleep 0.1
done
exec "$@"
