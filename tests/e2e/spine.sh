#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program opens full screen, and Ctrl+Shift+Q ends it at once with success.
source "$(dirname "$0")/lib.sh"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$TOY" 2>"$WORK/nodisplay.err" || status=$?
[ "$status" = 1 ] && grep -q "DISPLAY" "$WORK/nodisplay.err" || fail "without a display: status $status, $(cat "$WORK/nodisplay.err")"
status=0
DISPLAY=:79 "$TOY" 2>"$WORK/deaddisplay.err" || status=$?
[ "$status" = 1 ] && [ "$(cat "$WORK/deaddisplay.err")" = "tumbletot: cannot open display :79" ] ||
    fail "with a display that does not answer: status $status, $(cat "$WORK/deaddisplay.err")"
status=0
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-79 "$TOY" 2>"$WORK/deadwayland.err" || status=$?
[ "$status" = 1 ] && [ "$(cat "$WORK/deadwayland.err")" = "tumbletot: cannot open display wayland-79" ] ||
    fail "with a Wayland display that does not answer: status $status, $(cat "$WORK/deadwayland.err")"
start_display
# Look-alikes of the single-instance meeting point, answering anyone: one where any user could
# make it, and one in the runtime folder owned by someone else. Neither may keep the toy away.
stranger=()
[ "$(id -u)" = 0 ] && stranger=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
display_name=${DISPLAY//[^A-Za-z0-9]/_}
"${stranger[@]}" "$PROBE" answer "/tmp/tumbletot-$(id -u)-$display_name" 30 &
pids+=($!)
if [ "$(id -u)" = 0 ]; then
    "$PROBE" answer "$XDG_RUNTIME_DIR/tumbletot-$display_name" 30 &
    pids+=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/tumbletot-$display_name" ] && break; sleep 0.05; done
    chown nobody "$XDG_RUNTIME_DIR/tumbletot-$display_name"
fi
for _ in $(seq 100); do [ -S "/tmp/tumbletot-$(id -u)-$display_name" ] && break; sleep 0.05; done
start_toy
grep -q "already running" "$WORK/toy.err" && fail "a look-alike socket kept the toy from starting"
"$TOY" 2>"$WORK/second.err" || fail "a second copy did not hand over quietly"
grep -q "already running" "$WORK/second.err" || fail "a second copy opened another toy"
[ "$(xdotool search --pid "$toy_pid" --onlyvisible | wc -l)" -ge 1 ] || fail "the first copy is gone"
covers_screen || fail "the start screen does not cover the screen"
xdotool key a
sleep 0.5
covers_screen || fail "the play window does not cover the screen"
[ "$(colour_at "$(shot play)" 640 400)" = ffffff ] || fail "play does not start on white"
quit_toy "from play"
echo "PASS: no display and a dead display are told plainly; look-alike sockets are not trusted; full screen; one copy at a time; Ctrl+Shift+Q quits with status 0"
