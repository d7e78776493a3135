#!/usr/bin/env bash
# Builds Xiangce with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and runs
# every test there; any sanitizer report fails its test, and so the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXC_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags"
cmake --build build-sanitize -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitize-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
