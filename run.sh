#!/usr/bin/env bash
# Builds Xiangce and runs it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXC_BUILD_TESTS=OFF -DXC_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
build/bin/xiangce-cli --help
