#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the toy beside a bare Qt program doing the same visible job (bench/bare_qt.cpp), side
# by side in one run on this machine: Xvfb with openbox at 1920 x 1080 and 3840 x 2160, and a
# null sink on PulseAudio, on PipeWire and through PipeWire's PulseAudio server. Prints Markdown
# tables: the ratios, and the toy's sound stream in bursts.
#   bench/measure.sh <build folder>    (the test command's build: build/)
#   ONLY=sound bench/measure.sh build  (the sound alone)
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD/bin/tumbletot"
XLATENCY="$BUILD/bin/xlatency"
BARE="$BUILD/bin/bare_qt"
HZ=$(getconf CLK_TCK)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "n/a"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_mb() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
cpu_during() {
    local pid=$1 before after start end
    shift
    before=$(ticks "$pid"); start=$(date +%s%N)
    "$@"
    after=$(ticks "$pid"); end=$(date +%s%N)
    awk -v t=$((after - before)) -v hz="$HZ" -v ns=$((end - start)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }'
}
hold_key() { xdotool keydown x; sleep 5; xdotool keyup x; }

# Starts a program full screen and waits until its window has the keyboard.
launch() {
    "$@" >>"$WORK/programs.log" 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        xdotool search --pid "$pid" --onlyvisible >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 1
}
finish() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }

# Press to sound onset (ms: the median, how many were heard, the slowest), each press 1.2 s after
# the last, on the clock of the sound passing the sink (xlatency takes out what the server and the
# recorder hold).
onsets() {
    "$XLATENCY" sounds toy.monitor "$WORK/onset.raw" 20 1200 >"$WORK/presses"
    "$PROBE" onsets "$WORK/onset.raw" $(cat "$WORK/presses") | grep -v none >"$WORK/onsets" || true
    echo "$(median <"$WORK/onsets") ($(wc -l <"$WORK/onsets")/20 heard, slowest $(sort -n "$WORK/onsets" | tail -n1))"
}

declare -A result
# One program, one screen size: frames, memory, and on the first size processor.
measure_frames() {
    local name=$1 size=$2 dismiss=$3
    shift 3
    launch "$@"
    [ -n "$dismiss" ] && xdotool key "$dismiss" && sleep 1
    result[$name,rss,$size]=$(rss_mb "$pid")
    result[$name,key,$size]=$("$XLATENCY" keys 60 | grep -v none | median)
    # The bare program with large shapes only shows what the frame costs by size.
    if [ "$name" != scaled ]; then
        result[$name,click,$size]=$("$XLATENCY" clicks 60 | grep -v none | median)
    fi
    if [ "$size" = 1920x1080 ] && [ "$name" != scaled ]; then
        # Idle: once the clicks' sounds have ended and the sound output has paused.
        sleep 3
        result[$name,idle]=$(cpu_during "$pid" sleep 10)
        result[$name,held]=$(cpu_during "$pid" hold_key)
    fi
    finish
}

# Start-up: exec to the first drawing of its window, on a display without a window manager.
measure_start() {
    local name=$1 starts=()
    shift
    for _ in $(seq 10); do starts+=($("$XLATENCY" start "$@" 2>/dev/null | tail -n1)); done
    result[$name,start]=$(printf '%s\n' "${starts[@]}" | grep -v none | median)
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0) printf "%.2f×", a / b; else print "n/a" }'; }

# The longest quiet stretch (ms) in 3 bursts of 20 presses 100 ms apart, and how often the server
# ran short of the toy's stream meanwhile (PulseAudio says; PipeWire does not).
bursts() {
    local longest=0 started first last gap before
    before=$(grep -c "underrun of 'Tumbletot'" "$WORK/pulse.log" 2>/dev/null || true)
    for _ in 1 2 3; do
        record_start burst
        started=$(($(date +%s%3N) - $(recorded_ms burst)))
        first=$(($(date +%s%3N) - started + 100))
        for _ in $(seq 20); do xdotool key a; sleep 0.1; done
        last=$(($(date +%s%3N) - started))
        wait_recorded burst $((last + 500))
        record_stop
        gap=$("$PROBE" gap "$WORK/burst.raw" "$first" "$last")
        [ "$gap" -le "$longest" ] || longest=$gap
    done
    if [ "$SOUND" = pulseaudio ]; then
        echo "$longest ms, $(($(grep -c "underrun of 'Tumbletot'" "$WORK/pulse.log") - ${before:-0})) underruns"
    else
        echo "$longest ms"
    fi
}
# With saying what appears switched on: press to the phrase's onset (ms, median of 10), found by
# matching each press's recording against the bank's clips, and the memory the bank adds (MB).
phrases() {
    local before
    before=$(rss_mb "$pid")
    xdotool key ctrl+shift+p; wait_active preferences; click_preference speak; xdotool key Return; wait_active play
    "$XLATENCY" sounds toy.monitor "$WORK/said.raw" 10 2600 >"$WORK/presses"
    # A press before the clips were ready says nothing.
    echo "$("$PROBE" said "$WORK/said.raw" "$WORK/clips" $(cat "$WORK/presses") | awk '$2 >= 0.5 { print $4 }' | median)" \
        "$(awk -v a="$(rss_mb "$pid")" -v b="$before" 'BEGIN { printf "%.1f", a - b }')"
}
# Both processors kept busy, one loop at normal priority and one at the lowest.
busy() {
    bash -c 'while :; do :; done' &
    busy_pids=($!)
    nice -n 19 bash -c 'while :; do :; done' &
    busy_pids+=($!)
    pids+=("${busy_pids[@]}")
}
unbusy() { kill "${busy_pids[@]}"; wait "${busy_pids[@]}" 2>/dev/null || true; }

# Both programs on each sound path, one after the other in one run; the toy's stream also in
# bursts, on a quiet machine and on a busy one. The bare program has no path of its own to
# PipeWire's PulseAudio server.
measure_sound() {
    SCREEN_SIZE=1920x1080
    start_display
    mkdir -p "$WORK/clips"
    QT_QPA_PLATFORM=offscreen "$BUILD/bin/phrase_clips" en "$WORK/clips" 2>>"$WORK/programs.log"
    for SOUND in pulseaudio pipewire pipewire-pulse; do
        sound_path_env
        start_sound
        launch env "${toy_env[@]}" "$TOY"; xdotool key space; sleep 1; result[toy,sound,$SOUND]=$(onsets)
        result[toy,quiet,$SOUND]=$(bursts)
        busy
        result[toy,busy,$SOUND]=$(bursts)
        unbusy
        read -r "result[toy,phrase,$SOUND]" "result[toy,bank,$SOUND]" <<<"$(phrases)"
        finish
        if [ "$SOUND" != pipewire-pulse ]; then
            launch "$BARE"; result[bare,sound,$SOUND]=$(onsets); finish
        fi
        stop_sound
    done
}

if [ "${ONLY:-}" != sound ]; then
    # The programs play through PulseAudio meanwhile, as on a desktop with sound.
    start_sound
    Xvfb :$((900 + RANDOM % 90)) -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$(ps -o args= -p ${pids[-1]} | awk '{ print substr($2, 2) }')"
    sleep 1
    measure_start toy "$TOY"
    measure_start bare "$BARE"
    for size in 1920x1080 3840x2160; do
        SCREEN_SIZE=$size
        start_display
        measure_frames toy "$size" space "$TOY"
        measure_frames bare "$size" "" "$BARE"
        measure_frames scaled "$size" "" "$BARE" --screen-sized
    done
    stop_sound
fi
measure_sound

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(uname -r); Xvfb with openbox"
echo
echo "| figure | bare Qt program | toy | ratio |"
echo "|---|---|---|---|"
row() { echo "| $1 | $2 | $3 | $(ratio "$3" "$2") |"; }
if [ "${ONLY:-}" != sound ]; then
    for size in 1920x1080 3840x2160; do
        row "key → pixels, median of 60, $size (ms)" "${result[bare,key,$size]}" "${result[toy,key,$size]}"
        row "click → pixels, median of 60, $size (ms)" "${result[bare,click,$size]}" "${result[toy,click,$size]}"
        row "key → pixels, bare with shapes as large as the toy's, $size (ms)" "${result[scaled,key,$size]}" "${result[toy,key,$size]}"
    done
    row "start → first paint, median of 10 (ms)" "${result[bare,start]}" "${result[toy,start]}"
    row "memory after start, 1920x1080 (MB)" "${result[bare,rss,1920x1080]}" "${result[toy,rss,1920x1080]}"
    row "CPU idle (%)" "${result[bare,idle]}" "${result[toy,idle]}"
    row "CPU with a key held (%)" "${result[bare,held]}" "${result[toy,held]}"
fi
row "press → sound onset, PulseAudio, of 20 presses (ms)" "${result[bare,sound,pulseaudio]}" "${result[toy,sound,pulseaudio]}"
row "press → sound onset, PipeWire, of 20 presses (ms)" "${result[bare,sound,pipewire]}" "${result[toy,sound,pipewire]}"
row "press → sound onset, PipeWire's PulseAudio server, of 20 presses (ms)" "n/a" "${result[toy,sound,pipewire-pulse]}"
for SOUND in pulseaudio pipewire pipewire-pulse; do
    row "press → phrase onset, saying what appears, $SOUND, median of 10 (ms)" "n/a" "${result[toy,phrase,$SOUND]}"
done
row "memory the phrases add, English (MB)" "n/a" "${result[toy,bank,pulseaudio]}"
echo
echo "| toy's stream, longest quiet in 3 bursts of 20 presses | quiet machine | both processors busy |"
echo "|---|---|---|"
for SOUND in pulseaudio pipewire pipewire-pulse; do
    echo "| $SOUND | ${result[toy,quiet,$SOUND]} | ${result[toy,busy,$SOUND]} |"
done
