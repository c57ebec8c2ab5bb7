#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and measures the toy beside a bare Qt program doing the same
# job (bench/measure.sh), then one play action in-process at two screen sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
packaging/install-deps.sh build run test bench
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLETOT_TESTS=ON -DTUMBLETOT_BENCH=ON
cmake --build build -j"$(nproc)"
bench/measure.sh build
for size in 1920x1080 3840x2160; do
    config=$(mktemp --suffix=.json)
    echo "{\"screens\": [{\"name\": \"main\", \"x\": 0, \"y\": 0, \"width\": ${size%x*}, \"height\": ${size#*x}, \"logicalDpi\": 96, \"dpr\": 1}]}" >"$config"
    echo "In-process play action at $size:"
    QT_QPA_PLATFORM="offscreen:configfile=$config" build/bin/bench_play \
        --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null | grep median
    rm -f "$config"
done
