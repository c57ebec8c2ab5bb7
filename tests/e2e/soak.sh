#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A toddler's afternoon, quickly: thousands of random presses, chords, held keys, clicks, the
# preferences changed now and then and auto-play for a while. The toy must not crash, hang,
# leave full screen, or grow in memory.
#   SOAK_INPUTS=20000 tests/e2e/soak.sh build/bin/tumbletot   (the long run; CI runs 2,000)
source "$(dirname "$0")/lib.sh"
INPUTS=${SOAK_INPUTS:-2000}
start_display
# No browser for the toy (its window manager keeps the machine's own settings): "Web site"
# always answers with a message over the preferences, which the parent closes.
mkdir -p "$WORK/no-browser"
export XDG_CONFIG_HOME="$WORK/no-browser" XDG_DATA_HOME="$WORK/no-browser" \
    XDG_CONFIG_DIRS="$WORK/no-browser" XDG_DATA_DIRS="$WORK/no-browser"

start_sound
start_play
xset r on
rss_kb() { awk '/VmRSS/ { print $2 }' "/proc/$toy_pid/status"; }
alive() { kill -0 "$toy_pid" 2>/dev/null || fail "the toy died after $done_inputs inputs"; }
letters=(a b c d e f g h i j k l m n o p q r s t u v w x y z 1 2 3 4 5 space Return Tab
         Escape BackSpace Left Right Up Down F1 F5 F11 alt+Tab super alt+F4 ctrl+alt+Right)

# A preferences visit with "Web site" and a few random choices, then those given: sometimes
# auto-play on with a 1 s delay. Saying what appears is switched on once, at the start, so that its
# clips are in the memory measured after the first 1,000 inputs, and stays on.
visit_preferences() {
    local controls=() control
    for control in "${!PREFERENCES[@]}"; do [ "$control" = speak ] || controls+=("$control"); done
    set_preferences website "${controls[RANDOM % ${#controls[@]}]}" "${controls[RANDOM % ${#controls[@]}]}" "$@"
}

done_inputs=0
# Inputs the X server would not take (a batch stops at its first): a few may fall on a window
# just closing; more mean the soak no longer tests the toy.
unsent=0
send() { xdotool "$@" >/dev/null 2>&1 || unsent=$((unsent + 50)); }
rss_at_1000=""
visit_preferences speak
SECONDS=0
while [ $done_inputs -lt "$INPUTS" ]; do
    # A batch of 50 inputs, sent by one xdotool.
    batch=()
    for _ in $(seq 50); do
        case $((RANDOM % 20)) in
            0 | 1 | 2) batch+=(mousemove $((RANDOM % 1280)) $((RANDOM % 800)) click 1) ;;
            3)
                chord=()
                for _ in $(seq $((2 + RANDOM % 4))); do chord+=("${letters[RANDOM % 26]}"); done
                batch+=(keydown "${chord[@]}" sleep 0.02 keyup "${chord[@]}") ;;
            *) batch+=(key "${letters[RANDOM % ${#letters[@]}]}") ;;
        esac
    done
    send "${batch[@]}"
    done_inputs=$((done_inputs + 50))
    alive
    if [ $((done_inputs % 500)) -eq 0 ]; then
        held=${letters[RANDOM % 26]}
        send keydown "$held" sleep $((1 + RANDOM % 3)) keyup "$held"
        send keyup $(printf '%s ' "${letters[@]:0:26}")
        [ $((done_inputs % 1000)) -eq 500 ] && visit_preferences auto slider Home || visit_preferences
        alive
    fi
    [ "$done_inputs" -ne 1000 ] || { sleep 1; rss_at_1000=$(rss_kb); }
done
seconds=$SECONDS
[ "$unsent" -le 100 ] || fail "about $unsent of $INPUTS inputs were not sent"
sleep 1
alive
rss_end=$(rss_kb)
[ "$(active_name)" = play ] || fail "the play window is not in front: $(active_name)"
covers_screen || fail "the toy left full screen"
# In "Only background changes" a press may end on the colour it had: about 1 in 11, and 1 in 3
# with beginners' colours. Ten presses that all keep the screen mean the toy no longer answers.
press_changes() {
    local before
    before=$(shot before-key)
    xdotool key a
    wait_until 6 changed_from "$before" after-key
}
wait_until 10 press_changes || fail "key presses no longer change the screen"
growth=$(awk -v a="$rss_at_1000" -v b="$rss_end" 'BEGIN { printf "%.1f", 100 * (b - a) / a }')
# A sanitized build holds freed memory back on purpose; its growth says nothing of the toy's.
[ "$SLOWER" != 1 ] || awk -v g="$growth" 'BEGIN { exit !(g <= 5) }' || fail "memory grew $growth% after the first 1,000 inputs"
note "$INPUTS inputs ($unsent not sent) in $seconds s; memory $((rss_at_1000 / 1024)) MB after 1,000, $((rss_end / 1024)) MB at the end ($growth%)"
quit_toy "after the soak"
echo "PASS: the toy held through $INPUTS inputs"
