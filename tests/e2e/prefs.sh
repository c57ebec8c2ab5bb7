#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A parent sets up the toy from the preferences ("Web site" without a browser says so); with
# auto-play on, the toy plays by itself delayTime + 1.5 s after the last input and every 1.5 s
# after, until a key is pressed.
source "$(dirname "$0")/lib.sh"
start_display
# No browser for the toy, whatever the machine has (the window manager keeps its own settings).
mkdir -p "$WORK/no-browser"
export XDG_CONFIG_HOME="$WORK/no-browser" XDG_DATA_HOME="$WORK/no-browser" \
    XDG_CONFIG_DIRS="$WORK/no-browser" XDG_DATA_DIRS="$WORK/no-browser"
start_play
xdotool key ctrl+shift+p
wait_active "Tumbletot Preferences"
eval "$(xdotool getactivewindow getwindowgeometry --shell)"
bar=$((HEIGHT - 381)) # the menu bar above the design's 584 x 381
click() { xdotool mousemove --window "$WINDOW" "$1" $((bar + $2)) click 1; sleep 0.2; }
click 320 158 # "Use only red, white and black": off, so every colour can come
click 45 80   # "Only background changes"
click 320 51  # "Tumbletot plays alone if Baby doesn't play after"
click 340 84  # the slider, then all the way down: 1 second
xdotool key Home
click 309 350 # "Web site", with no browser: a message over the preferences says so
wait_active Tumbletot
xdotool key Return
wait_active "Tumbletot Preferences"
shot prefs >/dev/null
xdotool key Return
closed=$(date +%s%3N)
wait_active "Untitled"

# The centre of the screen, sampled as fast as screenshots come, with the time of each change.
watch_changes() {
    local until=$(($(date +%s%3N) + $1)) last="" now colour
    while [ "$(date +%s%3N)" -lt $until ]; do
        now=$(date +%s%3N)
        colour=$(colour_at "$(shot watch)" 640 400)
        [ -n "$last" ] && [ "$colour" != "$last" ] && echo "$now"
        last=$colour
    done
}
mapfile -t changes < <(watch_changes 8000)
[ ${#changes[@]} -ge 3 ] || fail "auto-play changed the screen ${#changes[@]} times in 8 s"
first=$((changes[0] - closed))
# "Different each game" changes the background once a tick; a tick may still draw the colour
# it had (1 in 144), so a gap of two ticks is allowed. The ticks themselves keep the 1.5 s beat.
# ("Change every click" changes it twice a tick, and about 1 tick in 11 would end where it began.)
[ $first -ge 2000 ] && [ $first -le 4400 ] || fail "the first automatic change came after $first ms, not about 2500"
for i in $(seq 1 $((${#changes[@]} - 1))); do
    gap=$((changes[i] - changes[i - 1]))
    beats=$(((gap + 750) / 1500))
    off=$((gap - beats * 1500))
    [ $beats -ge 1 ] && [ ${off#-} -le 400 ] || fail "automatic changes $gap ms apart, not on the 1.5 s beat"
done
note "auto-play: first change $first ms after closing, then every ~1.5 s"

xdotool key a
pressed=$(date +%s%3N)
mapfile -t after < <(watch_changes 2000)
for t in "${after[@]}"; do
    [ $((t - pressed)) -le 400 ] || fail "auto-play went on $((t - pressed)) ms after a key press"
done
note "a key press stops auto-play"
quit_toy "at the end"
echo "PASS: the preferences take effect and auto-play keeps its time"
