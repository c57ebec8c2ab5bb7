#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole window flow with sound, the parent's chords kept from a palm, and quitting from
# every state.
source "$(dirname "$0")/lib.sh"
start_display
start_sound

record_start music
start_toy
wait_active "Tumbletot"
covers_screen || fail "the start screen does not cover the screen"
sleep 2.5
record_stop
[ "$(peak_of music)" -gt 1000 ] || fail "no music on the start screen"
[ -z "$(grep -i missing "$WORK/toy.err" || true)" ] || fail "assets missing: $(grep -i missing "$WORK/toy.err")"
note "start screen in front, full screen, music heard, every asset found"

xdotool key space
wait_active "Untitled"
sleep 0.3
record_start quiet
sleep 1
record_stop
[ "$(peak_of quiet)" -lt 100 ] || fail "the music goes on, or the dismissing key made a sound"
[ "$(colour_at "$(shot play)" 400 300)" = ffffff ] || fail "the dismissing key drew a shape"
note "a key starts play; the music stops and the key itself draws nothing"

# A palm: Ctrl and Shift held with other keys, one of them down before the Q or the P.
xdotool keydown a keydown ctrl keydown shift key q key p keyup shift keyup ctrl keyup a
sleep 0.5
kill -0 "$toy_pid" 2>/dev/null || fail "a mashed Ctrl+Shift+Q quit the toy"
[ "$(active_name)" = "Untitled" ] || fail "a mashed chord opened \"$(active_name)\""
note "Ctrl+Shift+Q and P mashed among other keys stay the child's keys"

xdotool key ctrl+shift+p
wait_active "Tumbletot Preferences"
xdotool key ctrl+shift+p
sleep 0.3
[ "$(xdotool search --name '^Tumbletot Preferences$' | wc -l)" -eq 1 ] || fail "a second preferences window opened"
xdotool key Return
wait_active "Untitled"
note "Ctrl+Shift+P opens the preferences, once; Play goes back to play"

quit_toy "from play"

start_toy
wait_active "Tumbletot"
quit_toy "from the start screen"

start_toy
xdotool key ctrl+shift+p
wait_active "Tumbletot Preferences"
quit_toy "from the preferences"
note "Ctrl+Shift+Q ends the toy with status 0 from play, start screen and preferences"
echo "PASS: the window flow holds and the child stays in the toy"
