#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the toy with its tests, and runs every test: first all of
# them on a build with AddressSanitizer and UndefinedBehaviorSanitizer, then on the normal build.
set -euo pipefail
cd "$(dirname "$0")"
packaging/install-deps.sh build run test
jobs=$(nproc)
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTUMBLETOT_SANITIZE=ON -DTUMBLETOT_TESTS=ON -DTUMBLETOT_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLETOT_TESTS=ON -DTUMBLETOT_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure
