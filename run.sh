#!/usr/bin/env bash
# Builds Xiangce, makes the sample album, and starts the desktop program when there is a screen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXC_BUILD_TESTS=OFF -DXC_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
build/bin/xiangce-cli make --photos build/bin/smxcwjj/samples --music build/bin/yinyuegeci/甜蜜蜜.mp3 --lyrics build/bin/yinyuegeci/甜蜜蜜.lrc --karaoke build/bin/yinyuegeci/甜蜜蜜.ksc --seed 1 --kind DVD -o out/sample_album.mpg
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/xiangce "$@"
fi
echo "No screen here: start the desktop program later with build/bin/xiangce"
