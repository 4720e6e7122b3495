#!/usr/bin/env bash
# The Windows program as a user gets it, under Wine on the private X desktop
# of tests/e2e/with-desktop.sh, in fresh prefixes: installed over an earlier
# version, started, driven through the window manager, installed again while
# it runs, and uninstalled; unpacked from the zip; and on a German desktop.
# Web addresses reach a recording browser registered in the test's own XDG
# folders, as Wine hands them to the desktop.
# Usage: WINEPREFIX=new-folder tests/e2e/with-desktop.sh tests/windows/installed.sh SETUP.exe ZIP FOLDER QORVEL.exe
#     DESIGN_PLACE
# (FOLDER: the program's folder that SETUP.exe installs; DESIGN_PLACE: the
# native build's tool that says where the designs put what is clicked)
set -euo pipefail
setup=$(realpath "$1")
zip=$(realpath "$2")
folder=$(realpath "$3")
companion=$(realpath "$4")
place=$(realpath "$5")
here=$(realpath "$(dirname "$0")")
tmp=$(mktemp -d)
wine=/usr/lib/wine/wine64
cleanup() { /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=en_US.UTF-8 LC_ALL=
# Wine sees none of the system's Liberation fonts: the program draws with the
# one in its folder, or not at all.
export FONTCONFIG_FILE=$here/dejavu-only.conf
. "$here/../support/shell.sh"

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

# A fresh prefix, in which the prefix's programs take the Qt variables from
# its registry, as Wine hands on none from here: the program says which font
# it draws with, on its standard error.
new_prefix() {
    "$wine" wineboot --init
    for setting in QT_LOGGING_RULES=kestrine.font.info=true QT_FORCE_STDERR_LOGGING=1; do
        "$wine" reg add 'HKCU\Environment' /v "${setting%%=*}" /d "${setting#*=}" /f >/dev/null
    done
}
# start PROGRAM.exe: starts it, its standard error in $tmp/stderr, and waits
# for its main window, $main.
start() {
    "$wine" "$1" 2>"$tmp/stderr" &
    program=$!
    main=$(wait_window "Orbeck Kestrine")
    await grep -q '^kestrine.font: controls drawn in Liberation Sans at' "$tmp/stderr" ||
        fail "not drawn in the design font: $(cat "$tmp/stderr")"
}
ended() { ! kill -0 "$1"; }
# Exit, confirmed with the key given, ends the program.
exit_program() {
    press "$main" alt+f x
    press "$(wait_window 'Confirm Exit')" "$1"
    await ended "$program" || fail "Exit answered with $1 does not end the program"
    wait "$program" || fail "the program ended with $?"
}

programs="$WINEPREFIX/drive_c/Program Files"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrine'
new_prefix
before=$(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort)

# An earlier version, with a file this one lacks, in a folder the user chose;
# this one lands in the same folder and replaces it whole.
cp -r "$folder" "$tmp/earlier"
echo stale >"$tmp/earlier/stale.txt"
"$here/../../scripts/windows-installer" "$tmp/earlier" 2.0.0.0 "$tmp/earlier-setup.exe" -DCOMPRESSOR=zlib >/dev/null
# NSIS takes /D= unquoted, and Wine would quote an argument with a blank.
"$wine" "$tmp/earlier-setup.exe" /S '/D=C:\My' 'Tools\Kestrine'
installed="$WINEPREFIX/drive_c/My Tools/Kestrine"
[ -f "$installed/stale.txt" ] || fail "the earlier version is not installed"
"$wine" "$setup" /S
[ ! -e "$installed/stale.txt" ] || fail "the earlier version's own file is left"
[ ! -e "$programs/Kestrine" ] || fail "installed beside the earlier version"
# The program, Qt and the uninstaller show themselves when they run below.
[ -f "$installed/LICENSE.txt" ] || fail "LICENSE.txt not installed"
[ -f "$menu/Kestrine.lnk" ] || fail "no Start-menu entry"
for value in InstallLocation DisplayVersion EstimatedSize; do
    "$wine" reg query "$key" /v "$value" | tr -d '\r' | grep "$value" || fail "no $value registered"
done >"$tmp/registered"
grep -qF 'C:\My Tools\Kestrine' "$tmp/registered" || fail "registered: $(cat "$tmp/registered")"
! grep -q '2\.00\.0000' "$tmp/registered" || fail "the earlier version is still registered"

# Answers as a Windows program does: in a message box.
"$wine" "$installed/kestrine.exe" --version &
press "$(wait_window Kestrine)" Return
wait $! || fail "--version ended with $?"

# The companion program's stand-in, beside the program.
cp "$companion" "$installed/qorvel.exe"
export QORVEL_MARKER="Z:${tmp//\//\\}\\qorvel"
cd "$tmp"
start 'C:\My Tools\Kestrine\kestrine.exe'

# Installed again while it runs: nothing changes, and the silent installer fails.
files() { find "$installed" -printf '%p %s %T@\n' | sort; }
unchanged=$(files)
if "$wine" "$setup" /S; then fail "installed while the program runs"; fi
[ "$(files)" = "$unchanged" ] || fail "the program's folder changed while it runs"

# The client area under the menu bar at its designed place; a fixed frame.
read -r client_x client_y client_width client_height < <("$place" Form1)
geometry() {
    xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y + h - '"$client_height"', w}'
}
placed() { [ "$(geometry)" = "$client_x $client_y $client_width" ]; }
await placed || fail "client area at $(geometry), not $client_x $client_y, $client_width wide"
hints=$(xprop -id "$main" WM_NORMAL_HINTS)
grep -q 'minimum size' <<<"$hints" && grep -q 'maximum size' <<<"$hints" || fail "resizable: $hints"

# The pushpin keeps the window above, and a window opened meanwhile above it;
# released, neither stays above, and the window has not moved.
! has "state $main" _NET_WM_STATE_ABOVE || fail "above from the start"
# Near the lying pin's top left corner, then the pressed pin's bottom right, so
# that the two clicks make no double click.
read -r x y _ _ < <("$place" Form1 Image2)
click $((client_x + x + 4)) $((client_y + y + 4))
await has "state $main" _NET_WM_STATE_ABOVE || fail "the pin does not keep the window above"
press "$main" alt+h w
resources=$(wait_window "Web Master Resources")
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g'; }
in_front() { stacking | sed -n "/^$(printf '0x%x' "$main")\$/,\$p" | grep -qx "$(printf '0x%x' "$resources")"; }
await has "state $resources" _NET_WM_STATE_ABOVE || fail "Resources is not kept above with the pin set"
await in_front || fail "Resources opened behind the pinned window: $(stacking)"
read -r x y width height < <("$place" Form1 Image1)
click $((client_x + x + width - 5)) $((client_y + y + height - 5))
await eval '! has "state $main" _NET_WM_STATE_ABOVE' || fail "the pin does not release the window"
await eval '! has "state $resources" _NET_WM_STATE_ABOVE' || fail "the pin does not release Resources"
placed || fail "moved to $(geometry)"
press "$resources" Return

# Text pasted, as a user pastes it, with letters of no code page; Build, then
# Save To File through Windows' own dialog: the ANSI code page, every letter
# it lacks a character reference, CR LF.
on_clipboard() { [ "$(xclip -o -selection clipboard)" = "$1" ]; }
press "$main" Tab Tab
for field in 'Łódź ☕ Café' 'Crème brûlée 😀 for 2€' 'naïve,日本語,Ελλάδα'; do
    printf %s "$field" | xclip -selection clipboard >/dev/null 2>&1
    await on_clipboard "$field" || fail "the clipboard does not hold $field"
    xdotool key ctrl+v Tab
done
xdotool key ctrl+b ctrl+s
press "$(wait_window 'Save as')" End shift+Home
xdotool type --delay 50 'tags.txt'
xdotool key Return
saved="$WINEPREFIX/drive_c/tags.txt"
expected='<TITLE>&#321;\363d&#378; &#9749; Caf\351</TITLE><meta name="description" content="Cr\350me br\373l\351e '
expected+='&#128512; for 2\200"><meta name="keywords" content="na\357ve,&#26085;&#26412;&#35486;,&#917;&#955;&#955;&#940;'
expected+='&#948;&#945;">\r\n'
printf "$expected" >"$tmp/expected"
await cmp -s "$saved" "$tmp/expected" || fail "saved: $(od -c "$saved" 2>&1 | head -n 8)"

# A link of the About window reaches the desktop's browser.
press "$main" alt+h a
about=$(wait_window "About this program")
read -r x y < <(xwininfo -id "$about" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    END {print x, y}')
# Label7's middle.
read -r left top width height < <("$place" aboutmeta Label7)
click $((x + left + width / 2)) $((y + top + height / 2))
# Wine writes the address in its canonical form, with a slash after the host.
await grep -qxE 'http://www\.quarrendale\.example/?' "$tmp/received" || fail "the browser received nothing"
press "$about" Return

# Search Engine Tactics starts the companion beside the program, minimized.
press "$main" alt+h t
await test -s "$tmp/qorvel" || fail "the companion did not start"
# Its command line is its quoted path alone (Qt ends it with a blank); 2 is SW_SHOWMINIMIZED.
grep -qxE '"C:\\My Tools\\Kestrine\\qorvel\.exe" ?[|]2' "$tmp/qorvel" || fail "companion: $(cat "$tmp/qorvel")"
exit_program Return

# The uninstaller removes all it installed, and leaves what the user put there.
"$wine" "$installed/uninstall.exe" /S
# It runs on from a copy of itself, once the one started has ended.
only_the_users_file() { [ "$(ls "$installed")" = qorvel.exe ]; }
await only_the_users_file || fail "left behind: $(ls "$installed")"
await test "$(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort)" = "$before" ||
    fail "left behind: $(diff <(echo "$before") <(cd "$WINEPREFIX/drive_c" && find "Program Files" ProgramData | sort))"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller is still registered"

# The zip, unpacked into a folder with a blank and letters of no code page in
# its name: the program starts from there and draws with its own font.
unpacked="$WINEPREFIX/drive_c/users/Public/Łódź 日本"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
start "$(find "$unpacked" -name kestrine.exe)"
exit_program Return
/usr/lib/wine/wineserver -k

# A German desktop: the installer's pages, and the message boxes' buttons,
# in German. "J" answers Ja.
export WINEPREFIX=$WINEPREFIX.de LANG=de_DE.UTF-8
new_prefix
caption=$(sed -n '/^# ^SetupCaption/{n;p}' "/usr/share/nsis/Contrib/Language files/German.nlf")
"$wine" "$setup" &
press "$(wait_window "${caption/'$(^Name)'/Orbeck Kestrine [0-9.]+}")" Escape
await ended $! || fail "the installer does not close"
"$wine" "$setup" /S
start 'C:\Program Files\Kestrine\kestrine.exe'
exit_program j
echo "PASS: the installed program under Wine"
