#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# On a stacking (WM=openbox) or tiling (WM=i3) X11 desktop: the toy covers the screen with one
# window and nothing else of its own is mapped; the desktop's keys and the mouse's desktop
# switching never reach the desktop; the preferences sit over the toy, and after them the toy
# holds on again.
source "$(dirname "$0")/lib.sh"
width=${SCREEN_SIZE%x*}
height=${SCREEN_SIZE#*x}

# Every viewable window of the toy, as "x y width height name".
toy_windows() {
    local id
    for id in $(xdotool search --pid "$toy_pid" --onlyvisible 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$X $Y $WIDTH $HEIGHT $(xdotool getwindowname "$id")"
    done | sort -n
}

# One window covering the screen exactly, and no other.
covers_the_screen() {
    [ "$(toy_windows | cut -d' ' -f1-4)" = "0 0 $width $height" ] ||
        fail "$1: the toy's windows are not one covering the screen:"$'\n'"$(toy_windows)"
}

desktop() { xprop -root _NET_CURRENT_DESKTOP 2>/dev/null | grep -o '[0-9]*$' || echo none; }

still_in() {
    kill -0 "$toy_pid" 2>/dev/null || fail "$1 closed the toy"
    [ "$(active_name)" = "$2" ] || fail "$1 took the child out: \"$(active_name)\" in front"
    [ -z "$(escaped_keys)" ] || fail "$1 reached the desktop: $(escaped_keys)"
    [ "$(desktop)" = "$start_desktop" ] || fail "$1 switched the desktop to $(desktop)"
    covers_the_screen "after $1"
}

start_display
start_toy
start_desktop=$(desktop)
wait_active Tumbletot
covers_the_screen "the start screen"
xdotool key space
wait_active Untitled
covers_the_screen "play"
note "$WM: one full-screen window; the start screen kept behind play is not mapped"

for keys in super+Return alt+Tab alt+F4 super+d ctrl+alt+Right ctrl+alt+Left super+e alt+F2 \
    super+Tab super ctrl+Escape; do
    xdotool key "$keys"
    sleep 0.3
    still_in "$keys" Untitled
done
note "the desktop's keys stay in the toy"

xdotool keydown alt click 4 click 5 click 4 keyup alt
xdotool keydown ctrl keydown alt click 4 click 5 keyup alt keyup ctrl
xdotool keydown alt click 6 click 7 keyup alt
sleep 0.5
still_in "Alt+wheel" Untitled
note "Alt+wheel and Ctrl+Alt+wheel keep the desktop"

xdotool key ctrl+shift+p
wait_active "Tumbletot Preferences"
prefs=$(xdotool getactivewindow)
xprop -id "$prefs" WM_TRANSIENT_FOR | grep -q "window id #" ||
    fail "the preferences are not tied to the toy's window"
[ "$(toy_windows | wc -l)" = 2 ] || fail "with the preferences open:"$'\n'"$(toy_windows)"
xdotool key Return
wait_active Untitled
xdotool key super+Return alt+Tab
sleep 0.3
still_in "a desktop key after the preferences" Untitled
note "the preferences open over the toy; after Play the toy holds on again"
quit_toy "at the end"
echo "PASS: $WM keeps the child in"
