#!/usr/bin/env bash
# Runs a command on a private X server with a real window manager, so that
# windows are managed, focused and decorated as on a user's desktop.
set -euo pipefail

tmp=$(mktemp -d)
cleanup() {
    kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

. "$(dirname "$0")/../support/shell.sh"

mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
x_pid=$!
read -r display <"$tmp/display"
export DISPLAY=":$display"
await xprop -root || { echo "the X server does not answer" >&2; exit 1; }

# The window manager is ready once it has claimed the screen; on a busy
# machine it may fail to connect at first, and is started again.
wm_ready() {
    { [ -n "${wm_pid:-}" ] && kill -0 "$wm_pid" 2>/dev/null; } || {
        openbox --sm-disable >>"$tmp/openbox.log" 2>&1 &
        wm_pid=$!
    }
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}
await wm_ready || { echo "no window manager:" >&2; cat "$tmp/openbox.log" >&2; exit 1; }

export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
