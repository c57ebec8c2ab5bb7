#!/usr/bin/env bash
# The program opens full screen, and Ctrl+Shift+Q ends it at once with success.
source "$(dirname "$0")/lib.sh"
start_display
start_toy
covers_screen || fail "the start screen does not cover the screen"
xdotool key a
sleep 0.5
covers_screen || fail "the play window does not cover the screen"
[ "$(colour_at "$(shot play)" 640 400)" = ffffff ] || fail "play does not start on white"
quit_toy "from play"
echo "PASS: full screen, and Ctrl+Shift+Q quits with status 0"
