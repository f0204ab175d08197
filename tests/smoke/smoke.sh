#!/usr/bin/env bash
# smoke.sh PROGRAM WMCLOSE OUTPUT-FOLDER
#
# Starts the built program on a private Xvfb display with an empty home
# folder, waits for its window, checks its title and size, keeps a screenshot
# in OUTPUT-FOLDER, closes the window as a window manager would and checks
# that the program ends cleanly after its quit handling.
set -u

program=$1
closer=$2
out=$3

for tool in Xvfb xdotool xwininfo import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null
        wait "$program_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    if [ -s "$work/program.log" ]; then
        echo "--- program output"
        cat "$work/program.log"
    fi
    exit 1
}

# Xvfb picks a free display itself and tells its number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

# The program gets an empty home of its own, as every test does.
home="$work/home"
export QT_QPA_PLATFORM=xcb
# Xvfb has no graphics card and the program draws nothing with OpenGL; the
# software GL driver would only be loaded and unloaded again (and under the
# leak checker its unloaded allocations would count against the program).
export QT_XCB_GL_INTEGRATION=none
# The program's web services point at a closed port of this machine.
export LUMASTRAND_SERVER="http://127.0.0.1:9"
# Qt's own file dialog, whatever desktop the machine has.
export QT_QPA_PLATFORMTHEME=""
unset DBUS_SESSION_BUS_ADDRESS

sh "$(dirname "$0")/../../cmake/run-test.sh" "$home" "$program" >"$work/program.log" 2>&1 &
program_pid=$!

window=""
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Lumastrand$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled Lumastrand appeared within 20 s"

info=$(xwininfo -id "$window")
title=$(printf '%s\n' "$info" | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p')
width=$(printf '%s\n' "$info" | sed -n 's/^ *Width: *//p')
height=$(printf '%s\n' "$info" | sed -n 's/^ *Height: *//p')
echo "window $window: \"$title\" ${width}x${height}"
[ "$title" = "Lumastrand" ] || fail "the window title is \"$title\""
[ "$width" = "290" ] && [ "$height" = "390" ] || fail "the window is ${width}x${height}, not 290x390"

# Let the first paint land, then keep what a user would see.
sleep 1
shot="$out/screenshot-main.png"
import -window root "$shot" || fail "no screenshot"
colours=$(identify -format '%k' "$shot" 2>/dev/null || echo 0)
echo "screenshot $shot ($colours colours)"
[ "$colours" -gt 16 ] || fail "the screen looks empty"

# A user's road: open a picture through "Click to open the image", open the
# options and switch on a few effects; keep that screenshot too.
master="$work/master.png"
convert -size 1024x1024 gradient:'#1e64c8'-'#f0a020' -fill '#ffffffcc' -draw "circle 512,512 512,260" \
    -fill '#203040' -draw "rectangle 380,470 644,554" "$master" || fail "no test picture"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
click 145 315
dialog=""
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name '^Open the image$' 2>/dev/null | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "the open dialog did not appear"
sleep 0.5
xdotool type --delay 5 "$master"
xdotool key Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Open the image$' >/dev/null 2>&1 || break
    sleep 0.1
done
sleep 0.5
click 217 366
for item in "49 479" "175 479" "64 536" "222 536"; do
    click $item
done
xdotool mousemove 700 500
sleep 1
height=$(xwininfo -id "$window" | sed -n 's/^ *Height: *//p')
[ "$height" = "580" ] || fail "with the options open the window is $height high, not 580"
shot="$out/screenshot-options.png"
import -window root -crop 290x580+0+0 "$shot" || fail "no screenshot"
echo "screenshot $shot"

"$closer" "$window" || fail "could not ask the window to close"
for _ in $(seq 150); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    fail "the program did not end within 15 s after its window was closed"
fi
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# The quit handling ran: the first run is counted and asks nothing.
count=$(sed -n 's/^AutoReminderCount=//p' "$home/.config/Halvick/Lumastrand.conf" 2>/dev/null)
[ "$count" = "2" ] || fail "the reminder count after the first run is \"$count\", not 2"

echo "PASS"
