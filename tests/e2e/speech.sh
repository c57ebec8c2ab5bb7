#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With "Say what appears" on, each press is heard saying one of the phrases of the language's
# phrase bank, in English and in German: what is heard is matched against every clip of the bank.
# (Which phrase a shape is named by, nothing said with the option off, and a language without a
# voice are the sound unit test's; the clips' lengths and loudness the languages' unit test.)
source "$(dirname "$0")/lib.sh"
# Below this, a clip was not heard: the effects alone reach about 0.15.
HEARD=0.5

# Presses $1 times, each once the phrase before has ended; "heard" is then, for each press, what
# probe.py said finds.
press_and_listen() {
    local presses=()
    record_start said
    for _ in $(seq "$1"); do
        xdotool key a
        presses+=($(recorded_ms said))
        wait_recorded said $((presses[-1] + 2600))
    done
    record_stop
    mapfile -t heard < <("$PROBE" said "$WORK/said.raw" "$WORK/clips" "${presses[@]}")
}

# Whether press $1 (the first by default) was heard saying a clip clearly, whichever it was.
heard_any() {
    local _ score
    read -r _ score _ <<<"${heard[${1:-0}]}"
    awk -v s="$score" -v least="$HEARD" 'BEGIN { exit !(s >= least) }'
}

start_display
start_sound
mkdir "$WORK/clips"
for LANGUAGE in en de; do
    export LANGUAGE
    rm -f "$WORK"/clips/*
    QT_QPA_PLATFORM=offscreen "$BUILD/bin/phrase_clips" "$LANGUAGE" "$WORK/clips" 2>>"$WORK/clips.log" ||
        fail "the phrase bank in $LANGUAGE could not be read: $(cat "$WORK/clips.log")"
    start_play
    set_preferences speak
    # The phrases are spoken into clips off the event thread: a press before they are ready says
    # nothing.
    for _ in $(seq $((10 * SLOWER))); do
        press_and_listen 1
        heard_any && break
    done
    heard_any || fail "in $LANGUAGE, nothing was heard said: ${heard[*]}"
    press_and_listen 6
    for press in "${!heard[@]}"; do
        heard_any "$press" || fail "in $LANGUAGE, press $((press + 1)) was not heard saying a phrase: $(printf '%s, ' "${heard[@]}")"
    done
    note "in $LANGUAGE, each of 6 presses heard saying a phrase: $(printf '%s, ' "${heard[@]}")"
    quit_toy "in $LANGUAGE"
done
echo "PASS: what appears is said in the language spoken"
