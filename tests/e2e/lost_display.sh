#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The X server goes away under a playing toy, five times: each time the toy ends with status 1
# and one line, never by a signal and never with a sanitizer's report.
source "$(dirname "$0")/lib.sh"
start_sound
for round in 1 2 3 4 5; do
    start_display
    server=${pids[-2]}
    start_play
    # Sounds are still playing when the server dies.
    for key in a s d f g h; do xdotool key "$key"; done
    { kill -9 "$server"; wait "$server"; } 2>/dev/null || true
    wait_exit 10
    [ "$exited" = 1 ] || fail "round $round: the toy gave \"$exited\" after losing the display"
    grep -q "^tumbletot: lost the display$" "$WORK/toy.err" ||
        fail "round $round: the toy did not say it lost the display"
    if grep -qE "Sanitizer|runtime error|Segmentation|Aborted" "$WORK/toy.err"; then
        fail "round $round: the toy did not end cleanly"
    fi
    kill "${pids[-1]}" 2>/dev/null || true
    note "round $round: status 1, \"$(grep -c . "$WORK/toy.err") line(s)\" on stderr"
done
echo "PASS: a lost display ends the toy with status 1 and one line, five times of five"
