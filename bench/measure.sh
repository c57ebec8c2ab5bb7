#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the toy, and the peer program bambam the same way, on this machine, under Xvfb at
# 1920 x 1080 with openbox and a null sound sink. Prints a Markdown table.
#   bench/measure.sh <build folder>    (the test command's build: build/)
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
export SCREEN_SIZE=1920x1080
source "$(dirname "$0")/../tests/e2e/lib.sh" "$BUILD/bin/tumbletot"
XLATENCY="$BUILD/bin/xlatency"
HZ=$(getconf CLK_TCK)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "n/a"; else print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss_mb() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }
# CPU share (%) of a process while a command runs.
cpu_during() {
    local pid=$1 before after start end
    shift
    before=$(ticks "$pid"); start=$(date +%s%N)
    "$@"
    after=$(ticks "$pid"); end=$(date +%s%N)
    awk -v t=$((after - before)) -v hz="$HZ" -v ns=$((end - start)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }'
}
hold_key() { xdotool keydown x; sleep 5; xdotool keyup x; }
storm() { xdotool key --delay 50 $(for _ in $(seq 10); do printf '%s ' q w e r t y u i o p a s d f g h j k l z; done); }
thousand() { for _ in $(seq 10); do xdotool key --delay 5 $(for _ in $(seq 100); do printf 'a '; done); done; }

# Key press to the first onset of new sound (ms): the recording's own clock, read from its size.
sound_latency() {
    local pid=$1 file="$WORK/latency.raw" presses=()
    parec -d toy.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=2 >"$file" 2>/dev/null &
    local rec=$!
    sleep 0.5
    for _ in $(seq 30); do
        presses+=($(( $(stat -c %s "$file") * 10 / 882 )))
        xdotool key a
        sleep 0.4
    done
    kill $rec; wait $rec 2>/dev/null || true
    "$PROBE" heard "$file" "${presses[@]}" | awk '$2 >= 5 { print $1 }' | median
}

measure() {
    local name=$1 start_cmd=$2 dismiss=$3
    local starts=() pid
    # Start-up: exec to the first drawing of its window, on a display of its own without a
    # window manager, ten times.
    for _ in $(seq 10); do starts+=($("$XLATENCY" start $start_cmd 2>/dev/null | tail -n1)); done
    start_ms=$(printf '%s\n' "${starts[@]}" | grep -v none | median)

    start_display
    $start_cmd >"$WORK/$name.out" 2>&1 &
    pid=$!
    sleep 4
    [ -n "$dismiss" ] && xdotool key "$dismiss" && sleep 1
    rss_start=$(rss_mb $pid)
    idle=$(cpu_during $pid sleep 10)
    frame_ms=$("$XLATENCY" keys 60 | grep -v none | median)
    held=$(cpu_during $pid hold_key)
    stormy=$(cpu_during $pid storm)
    sound_ms=$(sound_latency $pid)
    thousand
    sleep 2
    rss_after=$(rss_mb $pid)
    kill $pid 2>/dev/null || true
    sleep 1
    kill -9 $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    echo "| $name | $frame_ms | $start_ms | $rss_start | $rss_after | $idle | $held | $stormy | $sound_ms |"
}

echo "Machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(uname -r); Xvfb 1920x1080, openbox, PulseAudio null sink"
echo
echo "| program | key to frame, median ms | start-up to first frame, median ms | memory after start, MB | after 1,000 presses, MB | CPU idle % | CPU key held % | CPU 20 keys/s % | key to sound, median ms |"
echo "|---|---|---|---|---|---|---|---|---|"
start_sound
# Start-up runs need a display without a window manager.
Xvfb :$((900 + RANDOM % 90)) -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$(ps -o args= -p ${pids[-1]} | awk '{ print substr($2, 2) }')"
sleep 1
measure tumbletot "$TOY" space
BAMBAM=$(command -v bambam || echo /usr/games/bambam)
if [ -x "$BAMBAM" ]; then
    export DISPLAY=":$((900 + RANDOM % 90))"
    Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    measure bambam "$BAMBAM" ""
fi
