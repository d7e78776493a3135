#!/usr/bin/env bash
# Builds Xiangce and runs it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXC_BUILD_TESTS=OFF -DXC_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
build/bin/xiangce-cli make --photos build/bin/smxcwjj/samples --music build/bin/yinyuegeci/甜蜜蜜.mp3 --lyrics build/bin/yinyuegeci/甜蜜蜜.lrc --karaoke build/bin/yinyuegeci/甜蜜蜜.ksc --seed 1 --kind DVD -o out/sample_album.mpg
