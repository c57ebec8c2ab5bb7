#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every key press and click changes the screen; a key held with auto-repeat on makes one shape
# only; the keys held down are asked of the X server, so one held key changes what the next does.
source "$(dirname "$0")/lib.sh"
start_display
start_play
before=$(shot start)
letters=abcdefghijk
for i in $(seq 10); do
    # Keys and clicks in turn.
    [ $((i % 2)) = 0 ] && xdotool key "${letters:i:1}" || xdotool mousemove $((i * 90)) $((i * 50)) click 1
    wait_until 40 changed_from "$before" "press$i" || fail "press $i did not change the screen"
    before=$WORK/press$i.png
done
note "10 key presses and clicks, 10 new shapes"

xset r on
xdotool keydown x
sleep 0.4
first=$(shot held1)
sleep 2.6
second=$(shot held2)
xdotool keyup x
[ "$(differ "$before" "$first")" -gt 0 ] || fail "holding a key drew nothing"
[ "$(differ "$first" "$second")" -eq 0 ] || fail "a held key drew more than one shape"
note "a key held for 3 s gave one shape"

# Which key a press was is found by asking the server which keys are down, lowest code first:
# with the Super key (code 133) held, a key above it (Menu, 135) is taken for Super and swallowed.
xdotool keydown super
before=$(shot super_held)
xdotool key Menu
sleep 0.5
now=$(shot super_menu)
xdotool keyup super
[ "$(differ "$before" "$now")" -eq 0 ] || fail "a key pressed with Super held drew a shape"
xdotool key Menu
wait_until 40 changed_from "$now" menu_alone || fail "the Menu key alone drew nothing"
note "Menu with Super held: swallowed; alone: a shape"

quit_toy "at the end"
echo "PASS: play answers every key and click"
