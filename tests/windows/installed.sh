#!/usr/bin/env bash
# The Windows program as a user gets it, under Wine on the private X desktop
# of tests/e2e/with-desktop.sh: installed silently into the fresh prefix
# WINEPREFIX, started from where it was installed, driven through the window
# manager, and uninstalled. Web addresses reach a recording browser
# registered in the test's own XDG folders, as Wine hands them to the desktop.
# Usage: WINEPREFIX=new-folder tests/e2e/with-desktop.sh tests/windows/installed.sh SETUP.exe QORVEL.exe
set -euo pipefail
setup=$(realpath "$1")
companion=$(realpath "$2")
tmp=$(mktemp -d)
wine=/usr/lib/wine/wine64
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/../support/shell.sh"

window() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
shown() { [ -n "$(window "$1")" ]; }
# Waits for the window with this title and prints its id.
wait_window() { await shown "$1" && window "$1" || fail "no window '$1'"; }
active() { xdotool windowactivate "$1" 2>/dev/null; [ "$(xdotool getactivewindow)" = "$1" ]; }
# Activates the window, asked again until the window manager gives it, and presses the keys.
press() { await active "$1" && xdotool key --delay 100 "${@:2}" || fail "window $1 not activated"; }
click() { xdotool mousemove --sync "$1" "$2" click 1; }
state() { xprop -id "$1" _NET_WM_STATE; }
has() { grep -q -- "$2" <<<"$($1)"; }

# A desktop of the test's own, with a browser that records what it is given.
for name in HOME XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME; do
    mkdir -p "$tmp/$name"
    export "$name=$tmp/$name"
done
export XDG_DATA_DIRS=$tmp/XDG_DATA_HOME XDG_CONFIG_DIRS=$tmp/XDG_CONFIG_HOME
mkdir -p "$XDG_DATA_HOME/applications"
# xdg-open splits the command at blanks, quotes or not: the browser is a file.
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$tmp/received" >"$tmp/browser"
chmod +x "$tmp/browser"
printf '%s\n' '[Desktop Entry]' Type=Application 'Name=Recording Browser' 'MimeType=x-scheme-handler/http;' \
    "Exec=$tmp/browser %u" >"$XDG_DATA_HOME/applications/recorder.desktop"
printf '[Default Applications]\nx-scheme-handler/http=recorder.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"

programs="$WINEPREFIX/drive_c/Program Files"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrine'
"$wine" wineboot --init
before=$(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort)
"$wine" "$setup" /S
installed="$programs/Kestrine"
for file in kestrine.exe Qt6Widgets.dll platforms/qwindows.dll uninstall.exe fonts/LiberationSans-Regular.ttf; do
    [ -f "$installed/$file" ] || fail "$file not installed"
done
[ -f "$menu/Kestrine.lnk" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v UninstallString >/dev/null || fail "no uninstaller registered"

# Answers as a Windows program does: in a message box.
"$wine" "$installed/kestrine.exe" --version &
press "$(wait_window Kestrine)" Return
wait $! || fail "--version ended with $?"

# The companion program's stand-in, beside the program.
cp "$companion" "$installed/qorvel.exe"
export QORVEL_MARKER="Z:${tmp//\//\\}\\qorvel"
cd "$tmp"
"$wine" 'C:\Program Files\Kestrine\kestrine.exe' &
program=$!
main=$(wait_window "Orbeck Kestrine")

# The client area, 362 x 299 under the menu bar, at its designed place; a fixed frame.
geometry() {
    xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y + h - 299, w}'
}
placed() { [ "$(geometry)" = "113 211 362" ]; }
await placed || fail "client area at $(geometry), not 113 211, 362 wide"
hints=$(xprop -id "$main" WM_NORMAL_HINTS)
grep -q 'minimum size' <<<"$hints" && grep -q 'maximum size' <<<"$hints" || fail "resizable: $hints"

# The pushpin keeps the window above, and releases it, without moving it.
! has "state $main" _NET_WM_STATE_ABOVE || fail "above from the start"
click $((113 + 324)) $((211 + 276))
await has "state $main" _NET_WM_STATE_ABOVE || fail "the pin does not keep the window above"
click $((113 + 348)) $((211 + 291))
await eval '! has "state $main" _NET_WM_STATE_ABOVE' || fail "the pin does not release the window"
placed || fail "moved to $(geometry)"

# Build, then Save To File through Windows' own dialog: the ANSI code page, CR LF.
press "$main" Tab Tab
for field in 'Café' 'Fresh & "good"' 'a,b'; do
    xdotool type --delay 50 "$field"
    xdotool key Tab
done
xdotool key ctrl+b ctrl+s
press "$(wait_window 'Save as')" End shift+Home
xdotool type --delay 50 'tags.txt'
xdotool key Return
saved="$WINEPREFIX/drive_c/tags.txt"
expected='<TITLE>Caf\351</TITLE><meta name="description" content="Fresh & &quot;good&quot;"><meta name="keywords" content="a,b">\r\n'
printf "$expected" >"$tmp/expected"
await cmp -s "$saved" "$tmp/expected" || fail "saved: $(od -c "$saved" 2>&1 | head -n 5)"

# A link of the About window reaches the desktop's browser.
press "$main" alt+h a
about=$(wait_window "About this program")
read -r x y < <(xwininfo -id "$about" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    END {print x, y}')
# Label7's middle: the frame at 8,0 and the label at 168,144 in it, 209 x 17.
click $((x + 8 + 168 + 104)) $((y + 144 + 8))
# Wine writes the address in its canonical form, with a slash after the host.
await grep -qxE 'http://www\.quarrendale\.example/?' "$tmp/received" || fail "the browser received nothing"
press "$about" Return

# Search Engine Tactics starts the companion beside the program, minimized.
press "$main" alt+h t
await test -s "$tmp/qorvel" || fail "the companion did not start"
# Its command line is its quoted path alone (Qt ends it with a blank); 2 is SW_SHOWMINIMIZED.
grep -qxE '"C:\\Program Files\\Kestrine\\qorvel\.exe" ?[|]2' "$tmp/qorvel" || fail "companion: $(cat "$tmp/qorvel")"

# File > Exit, confirmed, ends the program.
press "$main" alt+f x
press "$(wait_window 'Confirm Exit')" Return
wait "$program" || fail "the program ended with $?"

# The uninstaller removes all it installed, and leaves what the user put there.
rm "$installed/qorvel.exe"
"$wine" "$installed/uninstall.exe" /S
await test ! -e "$installed" || fail "left behind: $(find "$installed")"
await test "$(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort)" = "$before" ||
    fail "left behind: $(diff <(echo "$before") <(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort))"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller is still registered"
echo "PASS: the installed program under Wine"
