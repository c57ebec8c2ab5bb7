#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The start screen's music is heard, from assets all found; every press is heard in time, each
# one on its own so no sound still ringing can hide the next; a burst of presses has no dropout;
# after the sound server is killed for 1 s and for 10 s and comes back, and when it starts only
# after the toy, the toy says once each time that sound went and came back, and presses are heard
# from then on. (How loud a storm of presses gets is the mixer's unit test.)
source "$(dirname "$0")/lib.sh"

# Presses the keys given one at a time, each $after ms after the last (by default once the longest
# sound, 1.5 s, has ended), and checks each is heard within 100 ms.
press_apart() {
    local name=$1 presses=() delay
    record_start "$name"
    # Each press on the recording's own clock, its length when the key is sent: a sound server
    # just started may run its clock a little off the system's.
    for key in "${@:2}"; do
        xdotool key "$key"
        presses+=($(recorded_ms "$name"))
        wait_recorded "$name" $((presses[-1] + ${after:-1750}))
    done
    record_stop
    delays=$("$PROBE" onsets "$WORK/$name.raw" "${presses[@]}" | tr '\n' ' ')
    for delay in $delays; do
        [ "$delay" != none ] && [ "$delay" -le 100 ] || fail "$name: a press was not heard within 100 ms: $delays"
    done
}

# Waits until the toy has said the given number of times that sound is back: it looks once a
# second, and a loaded machine may keep it from the server's socket for a moment longer.
wait_back() {
    wait_until $((200 * SLOWER)) eval '[ "$(grep -c "^tumbletot: sound is back$" "$WORK/toy.err")" -ge '"$1"' ]' ||
        fail "the toy did not find the sound server again: $(cat "$WORK/toy.err")"
}

start_display
start_sound
record_start music
start_toy
wait_recorded music $(($(recorded_ms music) + 1500))
record_stop
# The loudest sample, 0 to 32767.
peak=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$WORK/music.raw" -n stat 2>&1 |
    awk '/Maximum amplitude/ { print int($3 * 32767) }')
[ "$peak" -gt 1000 ] || fail "no music on the start screen"
! grep -qi missing "$WORK/toy.err" || fail "assets missing: $(grep -i missing "$WORK/toy.err")"
note "music on the start screen, every asset found"

xdotool key space
wait_active play
press_apart apart q w e r t y
note "6 presses, one at a time, each heard within 100 ms: $delays ms"
# Long enough apart that the stream pauses after each sound, and must start again for the next.
after=4500 press_apart idle q w e
note "3 presses, each after the sound had paused, heard within 100 ms: $delays ms"

# Presses faster than the sounds end: the stream must stay whole. A machine busy elsewhere may
# hold any program up for a moment, so a gap is looked for again in a second burst: a toy whose
# stream drops out does so in both.
for try in 1 2; do
    record_start burst
    started=$(($(date +%s%3N) - $(recorded_ms burst)))
    for i in $(seq 20); do
        xdotool key a
        [ "$i" = 1 ] && first=$(($(date +%s%3N) - started + 100))
        sleep 0.12
    done
    last=$(($(date +%s%3N) - started))
    wait_recorded burst $((last + 500))
    record_stop
    gap=$("$PROBE" gap "$WORK/burst.raw" "$first" "$last")
    [ "$gap" -lt 15 ] && break
done
[ "$gap" -lt 15 ] || fail "the sound dropped out for $gap ms, in two bursts"
note "20 presses 120 ms apart: no dropout (longest quiet $gap ms, burst $try)"

# The server goes away under the toy, for a moment and for a while; the toy plays on in silence,
# and every press is heard once it has found the server again.
back=0
for away in 1 10; do
    stop_sound
    xdotool key a s d
    sleep "$away"
    kill -0 "$toy_pid" || fail "the toy ended when the sound server went away"
    start_sound
    back_at=$(date +%s%3N)
    wait_back $((++back))
    found=$(($(date +%s%3N) - back_at))
    press_apart "back$away" q w e
    note "sound server away $away s: found again $found ms after it was back, presses heard: $delays ms"
done
[ "$(grep -c "^tumbletot: lost the sound output.*; playing without sound until it is back$" "$WORK/toy.err")" = 2 ] &&
    [ "$(grep -c "^tumbletot: sound is back$" "$WORK/toy.err")" = 2 ] ||
    fail "the toy did not say once each time that the sound went and came back: $(cat "$WORK/toy.err")"
quit_toy "at the end"

# A login whose sound server starts late, PipeWire's session manager last of all: the toy comes
# first, and says once that it plays without sound and once that sound is back, when it is.
stop_sound
start_play
wait_until $((200 * SLOWER)) grep -q "^tumbletot: no sound output found" "$WORK/toy.err" ||
    fail "the toy started with no sound server did not say so: $(cat "$WORK/toy.err")"
MANAGER_LATE=3 start_sound
wait_back 1
press_apart late q w e
[ "$(grep ^tumbletot: "$WORK/toy.err")" = "tumbletot: no sound output found; playing without sound until it is back
tumbletot: sound is back" ] ||
    fail "the toy started before the sound server did not say each once: $(cat "$WORK/toy.err")"
note "sound server started after the toy: presses heard once it was found"
quit_toy "at the end"
echo "PASS: every press is heard, and again after the sound server comes back or comes late"
