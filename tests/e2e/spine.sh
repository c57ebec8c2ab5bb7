#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says so and ends; look-alikes of its single-instance socket are
# not trusted; a second copy hands over to the first, which comes to the front; Ctrl+Shift+Q ends
# it with success.
source "$(dirname "$0")/lib.sh"
# No display, or one that does not answer: status 1 and one plain line.
while IFS='|' read -r display said; do
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$TOY" 2>"$WORK/nodisplay.err" || status=$?
    [ "$status" = 1 ] && [ "$(cat "$WORK/nodisplay.err")" = "tumbletot: $said" ] ||
        fail "with ${display:-no display}: status $status, $(cat "$WORK/nodisplay.err")"
done <<'CASES'
|no display found. Start it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).
DISPLAY=:79|cannot open display :79
WAYLAND_DISPLAY=wayland-79|cannot open display wayland-79
CASES
start_display
# Look-alikes of the single-instance meeting point, taking any caller: one where any user could
# make it, and one in the runtime folder owned by someone else. Neither may keep the toy away.
stranger=()
[ "$(id -u)" = 0 ] && stranger=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
display_name=${DISPLAY//[^A-Za-z0-9]/_}
lookalike() { timeout 30 "${@:2}" socat UNIX-LISTEN:"$1",fork,unlink-early,perm=0777 /dev/null & pids+=($!); }
lookalike "/tmp/tumbletot-$(id -u)-$display_name" "${stranger[@]}"
if [ "$(id -u)" = 0 ]; then
    lookalike "$XDG_RUNTIME_DIR/tumbletot-$display_name"
    wait_until 100 test -S "$XDG_RUNTIME_DIR/tumbletot-$display_name" || fail "no look-alike socket"
    chown nobody "$XDG_RUNTIME_DIR/tumbletot-$display_name"
fi
wait_until 100 test -S "/tmp/tumbletot-$(id -u)-$display_name" || fail "no look-alike socket"
start_toy
grep -q "already running" "$WORK/toy.err" && fail "a look-alike socket kept the toy from starting"
# A parent who starts it again, with another window in front, finds the first toy in front.
"$PROBE" window other >/dev/null 2>&1 & pids+=($!)
wait_active other
"$TOY" 2>"$WORK/second.err" || fail "a second copy did not hand over quietly"
grep -q "already running" "$WORK/second.err" || fail "a second copy opened another toy"
wait_active title
quit_toy "from the start screen"
echo "PASS: no display and a dead display are told plainly; look-alike sockets are not trusted; one copy at a time; Ctrl+Shift+Q quits with status 0"
