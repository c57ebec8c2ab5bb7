#!/usr/bin/env bash
# The start screen's music is heard; 30 key presses 200 ms apart give 30 sounds, each in time.
source "$(dirname "$0")/lib.sh"
SOUNDS=$(dirname "$TOY")/../share/tumbletot/sounds
start_display
start_sound
record_start music
start_toy
sleep 1.5
record_stop
music_onsets=$("$PROBE" onsets "$WORK/music.raw" | wc -l)
[ "$music_onsets" -gt 0 ] || fail "no music on the start screen"
note "music on the start screen: $music_onsets note onsets in 1.5 s"

xdotool key space
sleep 1.0
record_start keys
# The recording's own time when the presses begin: its length so far, 88.2 bytes a millisecond.
started=$(( $(date +%s%3N) - $(stat -c %s "$WORK/keys.raw") * 10 / 882 ))
letters=qwertyuiopasdfghjklzxcvbnmqwer
pressed=()
for i in $(seq 30); do
    xdotool key "$(cut -c"$i" <<<"$letters")"
    pressed+=($(($(date +%s%3N) - started)))
    sleep 0.17
done
sleep 1.5
record_stop
# The play window plays its six default sounds in turn: find each one's start near its press.
rotation=(QuillomoSound20 QuillomoSound24 QuillomoSound15 QuillomoSound16 QuillomoSound9 QuillomoSound14)
expected=()
for i in $(seq 0 29); do expected+=("${pressed[i]}:${rotation[i % 6]}"); done
echo "${pressed[*]}" >"$WORK/pressed"
mapfile -t answers < <("$PROBE" match "$WORK/keys.raw" "$SOUNDS" "${expected[@]}")
delays=()
for i in $(seq 0 29); do
    read -r delay likeness <<<"${answers[i]}"
    awk -v s="$likeness" 'BEGIN { exit !(s >= 0.5) }' ||
        fail "press $((i + 1)) was not heard (likeness $likeness): ${answers[*]}"
    [ "$delay" -le 100 ] || fail "press $((i + 1)) was heard $delay ms late: ${answers[*]}"
    delays+=("$delay")
done
spread=$(( $(printf '%s\n' "${delays[@]}" | sort -n | tail -n1) - $(printf '%s\n' "${delays[@]}" | sort -n | head -n1) ))
gap=$("$PROBE" gap "$WORK/keys.raw" "${pressed[0]}" "${pressed[29]}")
[ "$gap" -lt 15 ] || fail "the sound dropped out for $gap ms"
note "30 presses, each heard within 100 ms (delays within $spread ms of each other), no dropout"
quit_toy "at the end"
echo "PASS: every press is heard"
