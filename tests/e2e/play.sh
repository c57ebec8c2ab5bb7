#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every key press and click changes the screen; the defaults draw in black and red on white;
# a key held with auto-repeat on makes one shape only; the keys held down are asked of the X
# server, so one held key changes what the next does.
source "$(dirname "$0")/lib.sh"
start_display
start_play
before=$(shot start)
for i in $(seq 20); do
    xdotool key --delay 0 "$(printf '%s' abcdefghijklmnopqrstuvwxyz | cut -c"$i")"
    wait_until 40 changed_from "$before" "key$i" || fail "key press $i did not change the screen"
    before=$WORK/key$i.png
    share=$("$PROBE" foreign "$before" ffffff 000000 ff0000)
    awk -v s="$share" 'BEGIN { exit !(s < 0.01) }' || fail "colours other than black, red and white: $share of key$i"
done
note "20 key presses, 20 new shapes, black and red on white"

for i in $(seq 20); do
    xdotool mousemove $((50 + i * 50)) $((60 + i * 30)) click 1
    wait_until 40 changed_from "$before" "click$i" || fail "click $i did not change the screen"
    before=$WORK/click$i.png
done
note "20 clicks, 20 new shapes"

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
xdotool keyup x
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
