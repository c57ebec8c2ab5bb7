#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The start screen's music is heard; every press is heard in time, each one on its own so no
# sound still ringing can hide the next; a burst of presses has no dropout; a storm never
# clips; after the sound server is killed for 1 s and for 10 s and comes back, and when it
# starts only after the toy, presses are heard again.
source "$(dirname "$0")/lib.sh"
SOUNDS=$(dirname "$TOY")/../share/tumbletot/sounds
# The play window plays its six default sounds in turn.
rotation=(QuillomoSound20 QuillomoSound24 QuillomoSound15 QuillomoSound16 QuillomoSound9 QuillomoSound14)
letters=qwertyuiopasdfghjklzxcvbnm
turn=0

# Presses one key per sound, each after the one before has ended, and checks each is heard
# within 100 ms as the clip that is its turn.
press_apart() {
    local name=$1 count=$2 started at length i delay likeness
    local expected=()
    record_start "$name"
    # The recording's clock: its length when the presses begin.
    started=$(($(date +%s%3N) - $(recorded_ms "$name")))
    for i in $(seq 0 $((count - 1))); do
        local clip=${rotation[turn % 6]}
        xdotool key "${letters:turn % 26:1}"
        at=$(($(date +%s%3N) - started))
        turn=$((turn + 1))
        expected+=("$at:$clip")
        length=$("$PROBE" length "$SOUNDS/$clip.wav")
        wait_recorded "$name" $((at + length + 250))
    done
    record_stop
    mapfile -t answers < <("$PROBE" match "$WORK/$name.raw" "$SOUNDS" "${expected[@]}")
    delays=()
    for i in $(seq 0 $((count - 1))); do
        read -r delay likeness <<<"${answers[i]}"
        awk -v s="$likeness" 'BEGIN { exit !(s >= 0.5) }' ||
            fail "$name: press $((i + 1)) was not heard (likeness $likeness): ${answers[*]}"
        [ "$delay" -le 100 ] || fail "$name: press $((i + 1)) was heard $delay ms late: ${answers[*]}"
        delays+=("$delay")
    done
}

start_display
start_sound
record_start music
start_toy
wait_recorded music $(($(recorded_ms music) + 1500))
record_stop
[ "$(peak_of music)" -gt 1000 ] || fail "no music on the start screen"
note "music on the start screen"

xdotool key space
wait_active Untitled
press_apart apart 12
note "12 presses, one at a time, each heard within 100 ms: $(printf '%s ' "${delays[@]}")ms"

# Presses faster than the sounds end: the stream must stay whole.
record_start burst
started=$(($(date +%s%3N) - $(recorded_ms burst)))
for i in $(seq 20); do
    xdotool key "${letters:i:1}"
    [ "$i" = 1 ] && first=$(($(date +%s%3N) - started + 100))
    sleep 0.12
done
last=$(($(date +%s%3N) - started))
turn=$((turn + 20))
wait_recorded burst $((last + 500))
record_stop
gap=$("$PROBE" gap "$WORK/burst.raw" "$first" "$last")
[ "$gap" -lt 15 ] || fail "the sound dropped out for $gap ms"
note "20 presses 120 ms apart: no dropout (longest quiet $gap ms)"

# The server goes away under the toy, for a moment and for a while; the toy plays on in silence,
# and every press is heard from 2 s after the server is back.
for away in 1 10; do
    stop_sound
    for i in $(seq 5); do xdotool key "${letters:i:1}"; done
    turn=$((turn + 5))
    kill -0 "$toy_pid" || fail "the toy ended when the sound server went away"
    sleep "$away"
    start_sound
    sleep 2
    press_apart "back$away" 6
    note "sound server away $away s: 6 presses heard from 2 s after it was back"
done
[ "$(grep -c "lost the sound output; playing without sound until it is back" "$WORK/toy.err")" = 2 ] &&
    [ "$(grep -c "^tumbletot: sound is back$" "$WORK/toy.err")" = 2 ] ||
    fail "the toy did not say once each time that the sound went and came back: $(cat "$WORK/toy.err")"

# A storm: keys ten a second, then clicks fifty a second. However many sounds overlap, the mix
# never reaches full scale and is not much louder than one sound alone.
record_start storm
for i in $(seq 30); do
    xdotool key "${letters:i % 26:1}"
    sleep 0.1
done
xdotool mousemove 300 300 click --repeat 100 --delay 20 1
wait_recorded storm $(($(recorded_ms storm) + 1500))
record_stop
peak=$(peak_of storm)
[ "$peak" -lt 32000 ] || fail "the storm reached full scale (peak $peak)"
one=$("$PROBE" loudest "$WORK/apart.raw")
storm=$("$PROBE" loudest "$WORK/storm.raw")
awk -v a="$storm" -v b="$one" 'BEGIN { exit !(a - b >= 0 && a - b <= 6) }' ||
    fail "the storm's loudest second was $storm LUFS against $one for one sound"
note "storm of 30 keys and 100 clicks: peak $peak of 32767, loudest second $storm LUFS (one sound alone: $one)"

quit_toy "at the end"

# A login whose sound server starts late: the toy comes first, and finds it when it comes.
stop_sound
start_toy
xdotool key space
wait_active Untitled
sleep 5
start_sound
sleep 2
turn=0
press_apart late 6
grep -q "^tumbletot: no sound output found; playing without sound until it is back$" "$WORK/toy.err" ||
    fail "the toy started before the sound server did not say it played without sound"
note "sound server started 5 s after the toy: 6 presses heard from 2 s after"
quit_toy "at the end"
echo "PASS: every press is heard, and again after the sound server comes back or comes late"
