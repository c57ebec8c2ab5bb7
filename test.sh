#!/usr/bin/env bash
# Installs what is missing, builds the toy with its tests, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
packaging/install-deps.sh build run test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
