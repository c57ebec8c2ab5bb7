#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# With "Say what appears" on, each press is heard naming the fill colour and the kind of the shape
# the screen shows, in English and in German; with it off, the presses are heard without a word.
# What is heard is matched against every clip of the language's phrase bank. (The clips'
# lengths, loudness, and a language without a voice are the sound unit test's.)
source "$(dirname "$0")/lib.sh"
# Below this, a clip was not heard: the effects alone reach about 0.15. A phrase that shares a
# word with the one said may reach 0.7, which is why the clip named must also be the best heard.
HEARD=0.5

# Presses $1 times, each once the phrase before has ended; "heard" is then, for each press, what
# probe.py said finds, "shown" the shape the screen showed.
press_and_listen() {
    local presses=() before
    shown=()
    before=$(shot before)
    record_start said
    for _ in $(seq "$1"); do
        xdotool key a
        presses+=($(recorded_ms said))
        wait_until 100 changed_from "$before" press || fail "a press drew nothing"
        before=$WORK/shown${#shown[@]}.png
        mv "$WORK/press.png" "$before"
        shown+=("$("$PROBE" shape "$before")")
        wait_recorded said $((presses[-1] + 2600))
    done
    record_stop
    mapfile -t heard < <("$PROBE" said "$WORK/said.raw" "$WORK/clips" "${presses[@]}")
}

# Whether the clip heard at press $1 is one the shape shown may be named by.
named_shown() {
    local clip=${heard[$1]%% *} colour kinds
    read -r colour kinds <<<"${shown[$1]}"
    [[ " $kinds " == *" ${clip#*-} "* ]] && [ "${clip%%-*}" = "$colour" ] && heard_any "$1"
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
    if [ "$LANGUAGE" = en ]; then
        press_and_listen 3
        for press in 0 1 2; do
            ! heard_any "$press" || fail "with the option off, press $((press + 1)) was heard saying ${heard[$press]}"
        done
        note "option off: no phrase heard (best matches: $(printf '%s, ' "${heard[@]}"))"
    fi
    # Saying what appears, in every fill colour: not only the beginners' three.
    set_preferences speak beginners
    # The phrases are spoken into clips off the event thread: a press before they are ready says
    # nothing.
    for _ in $(seq $((10 * SLOWER))); do press_and_listen 1; heard_any && break; done
    heard_any || fail "in $LANGUAGE, nothing was heard said: ${heard[*]}"
    press_and_listen 6
    for press in "${!heard[@]}"; do
        named_shown "$press" || fail "in $LANGUAGE, press $((press + 1)) was not heard naming the shape shown:" \
            "$(for p in "${!heard[@]}"; do printf '\n  shown %s, heard %s' "${shown[$p]}" "${heard[$p]}"; done)"
    done
    note "in $LANGUAGE, each of 6 presses heard naming the shape shown: $(printf '%s, ' "${heard[@]}")"
    quit_toy "in $LANGUAGE"
done
echo "PASS: what appears is said in the language spoken, and nothing is said with the option off"
