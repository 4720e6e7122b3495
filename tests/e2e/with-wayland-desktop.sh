#!/usr/bin/env bash
# Runs a command in a headless Wayland desktop: GNOME's compositor with
# Xwayland, or with --kwin KDE Plasma's, on a session bus and runtime folder
# of its own. The compositor starts the command once its displays are up and
# ends, failing, with it.
# Usage: with-wayland-desktop.sh [--kwin] COMMAND...
set -euo pipefail
compositor=mutter
if [ "${1:-}" = --kwin ]; then
    compositor=kwin
    shift
fi

tmp=$(mktemp -d)
cleanup() {
    kill "${compositor_pid:-}" "${bus_pid:-}" 2>/dev/null || true
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

if [ "$compositor" = kwin ]; then
    # The installed compositor carries a file capability, which a container
    # may not grant: a copy without it runs anywhere.
    mkdir "$tmp/bin"
    cp /usr/bin/kwin_wayland "$tmp/bin/"
    # KWin takes the session as one program, without its output or status.
    printf '#!/bin/bash\nexec >/proc/%s/fd/1 2>/proc/%s/fd/2\nstatus=0; %s|| status=$?\necho $status >%q\n' \
        $$ $$ "$(printf '%q ' "$@")" "$tmp/status" >"$tmp/session"
    chmod +x "$tmp/session"
    echo 1 >"$tmp/status"
    PATH="$tmp/bin:$PATH" kwin_wayland_wrapper --virtual --width 1280 --height 1024 --xwayland \
        --exit-with-session "$tmp/session" >"$tmp/kwin.log" 2>&1 &
    compositor_pid=$!
    wait "$compositor_pid" || true
    exit "$(cat "$tmp/status")"
else
    mutter --wayland --headless --virtual-monitor 1280x1024 -- "$@" &
    compositor_pid=$!
    wait "$compositor_pid"
fi
