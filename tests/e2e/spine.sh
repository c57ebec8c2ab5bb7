#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so and ends; look-alikes of its single-instance socket are
# not trusted; a second copy hands over to the first; Ctrl+Shift+Q ends it with success.
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
# The stranger gets the script on its input: it may not read the checkout.
"${stranger[@]}" /usr/bin/python3 - answer "/tmp/tumbletot-$(id -u)-$display_name" 30 <"$PROBE" &
pids+=($!)
if [ "$(id -u)" = 0 ]; then
    "$PROBE" answer "$XDG_RUNTIME_DIR/tumbletot-$display_name" 30 &
    pids+=($!)
    wait_until 100 test -S "$XDG_RUNTIME_DIR/tumbletot-$display_name" || fail "no look-alike socket"
    chown nobody "$XDG_RUNTIME_DIR/tumbletot-$display_name"
fi
wait_until 100 test -S "/tmp/tumbletot-$(id -u)-$display_name" || fail "no look-alike socket"
start_toy
grep -q "already running" "$WORK/toy.err" && fail "a look-alike socket kept the toy from starting"
"$TOY" 2>"$WORK/second.err" || fail "a second copy did not hand over quietly"
grep -q "already running" "$WORK/second.err" || fail "a second copy opened another toy"
[ "$(xdotool search --pid "$toy_pid" --onlyvisible | wc -l)" -ge 1 ] || fail "the first copy is gone"
quit_toy "from the start screen"
echo "PASS: no display and a dead display are told plainly; look-alike sockets are not trusted; one copy at a time; Ctrl+Shift+Q quits with status 0"
