#!/usr/bin/env bash
# The program opens full screen, and Ctrl+Shift+Q ends it at once with success.
source "$(dirname "$0")/lib.sh"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TOY" 2>"$WORK/nodisplay.err" || status=$?
[ "$status" = 1 ] && grep -q "DISPLAY" "$WORK/nodisplay.err" || fail "without a display: status $status, $(cat "$WORK/nodisplay.err")"
start_display
start_toy
"$TOY" 2>"$WORK/second.err" || fail "a second copy did not hand over quietly"
grep -q "already running" "$WORK/second.err" || fail "a second copy opened another toy"
[ "$(xdotool search --pid "$toy_pid" --onlyvisible | wc -l)" -ge 1 ] || fail "the first copy is gone"
covers_screen || fail "the start screen does not cover the screen"
xdotool key a
sleep 0.5
covers_screen || fail "the play window does not cover the screen"
[ "$(colour_at "$(shot play)" 640 400)" = ffffff ] || fail "play does not start on white"
quit_toy "from play"
echo "PASS: no display is told plainly; full screen; one copy at a time; Ctrl+Shift+Q quits with status 0"
