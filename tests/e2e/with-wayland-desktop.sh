#!/usr/bin/env bash
# Runs a command in a headless Wayland desktop: GNOME's compositor with
# Xwayland, on a session bus and runtime folder of its own. The compositor
# starts the command once its displays are up and ends, failing, with it.
set -euo pipefail

tmp=$(mktemp -d)
cleanup() {
    kill "${mutter_pid:-}" "${bus_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

# Xwayland's sockets go in this system folder; the compositor creates it
# without the write bits for others (its umask applies) and then refuses it.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix

export XDG_RUNTIME_DIR="$tmp/runtime" XDG_SESSION_TYPE=wayland GSETTINGS_BACKEND=memory
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM

{ read -r DBUS_SESSION_BUS_ADDRESS && read -r bus_pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS

mutter --wayland --headless --virtual-monitor 1280x1024 -- "$@" &
mutter_pid=$!
wait "$mutter_pid"
