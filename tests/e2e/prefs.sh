#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A parent sets up the toy from the preferences: with "Only background changes" and auto-play
# after 1 second, the toy changes the screen by itself, and a key press stops it. (Auto-play's
# timing is the play window's unit test; "Web site" without a browser is the soak's.)
source "$(dirname "$0")/lib.sh"
start_display
start_play
xdotool key ctrl+shift+p
wait_active "Tumbletot Preferences"
for control in beginners backgroundOnly auto slider; do click_preference "$control"; done
xdotool key Home # the slider all the way down: 1 second
xdotool key Return
wait_active Untitled

# The middle of the screen, as often as screenshots come, for so many milliseconds: how often it
# changed.
changes() {
    local until=$(($(date +%s%3N) + $1)) last="" colour count=0
    while [ "$(date +%s%3N)" -lt $until ]; do
        colour=$(colour_at "$(shot watch)" 640 400)
        [ -n "$last" ] && [ "$colour" != "$last" ] && count=$((count + 1))
        last=$colour
    done
    echo $count
}
# A tick may by chance keep the colour it had (1 in 11), so a few are waited for.
[ "$(changes 8000)" -ge 3 ] || fail "auto-play did not change the screen by itself"
note "auto-play changes the screen by itself"
# The key's own change, then a pause of 1 s + 1.5 s before auto-play starts again.
xdotool key a
[ "$(changes 1800)" -le 1 ] || fail "auto-play went on after a key press"
note "a key press stops auto-play"
quit_toy "at the end"
echo "PASS: the preferences take effect"
