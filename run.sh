#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the toy and starts it.
set -euo pipefail
cd "$(dirname "$0")"
packaging/install-deps.sh build run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLETOT_TESTS=OFF -DTUMBLETOT_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/bin/tumbletot
