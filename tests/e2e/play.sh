#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The title screen and the preferences speak the language the system's environment names (in
# Chinese and German they are not the English screens; whether every text fits is the languages'
# unit test). A click changes the screen; a key held with auto-repeat on makes one shape only
# (many presses are the soak's); the keys held down are asked of the X server, so one held key
# changes what the next does. Then a parent sets up the toy from the preferences: with "Only
# background changes" and auto-play after 1 second, the toy changes the screen by itself.
# (Auto-play's timing, and a press stopping it, are the play window's unit test; "Web site"
# without a browser is the soak's.)
source "$(dirname "$0")/lib.sh"
start_display
# Play goes on in the last language.
for LANGUAGE in en zh_CN de; do
    export LANGUAGE
    start_toy
    still_shot "title_$LANGUAGE"
    xdotool key space
    wait_active play
    xdotool key ctrl+shift+p
    wait_active preferences
    still_shot "preferences_$LANGUAGE"
    for window in title preferences; do
        [ "$LANGUAGE" = en ] || [ "$(differ "$WORK/${window}_en.png" "$WORK/${window}_$LANGUAGE.png")" -gt 0 ] ||
            fail "the $window window in $LANGUAGE is the English one"
    done
    xdotool key Return
    wait_active play
    [ "$LANGUAGE" = de ] || quit_toy "in $LANGUAGE"
done
note "the title screen and the preferences in Chinese and in German, as the system's language says"
before=$(shot start)
xdotool mousemove 300 200 click 1
wait_until 40 changed_from "$before" click || fail "a click did not change the screen"
before=$WORK/click.png

xset r on
xdotool keydown x
sleep 0.4
first=$(shot held1)
sleep 2.6
second=$(shot held2)
xdotool keyup x
[ "$(differ "$before" "$first")" -gt 0 ] || fail "holding a key drew nothing"
[ "$(differ "$first" "$second")" -eq 0 ] || fail "a held key drew more than one shape"
note "a click gave a shape, and a key held for 3 s one shape"

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

set_preferences beginners backgroundOnly auto slider Home

# The middle of the screen changes by itself. A tick may by chance keep the colour it had (1 in
# 11), so three changes are waited for.
last=$(colour_at "$(shot watch)" 640 400)
seen=0
changed_thrice() {
    local colour
    colour=$(colour_at "$(shot watch)" 640 400)
    [ "$colour" != "$last" ] && seen=$((seen + 1))
    last=$colour
    [ "$seen" -ge 3 ]
}
wait_until 200 changed_thrice || fail "auto-play did not change the screen by itself"
note "auto-play changes the screen by itself"

quit_toy "at the end"
echo "PASS: play answers a click and held keys, and the preferences take effect"
