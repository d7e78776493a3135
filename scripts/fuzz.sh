#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for SECONDS (default 60) on one core, starting from seed corpora made
# of the test fixtures and the shipped data. A finding stops its target and is kept in
# build-fuzz/findings/<target>/; each run's log is kept in build-fuzz/logs/<target>-<time>.log and
# its last lines (executions, speed) are printed.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET…]   (targets: fuzz_lrc fuzz_ksc fuzz_ini fuzz_package
#        fuzz_jpeg_probe fuzz_song_length fuzz_movie)
#        FUZZ_RUNS=N scripts/fuzz.sh 0 TARGET…  runs each target for N executions instead of a time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"; shift || true
targets=("$@")
((${#targets[@]})) || targets=(fuzz_lrc fuzz_ksc fuzz_ini fuzz_package fuzz_jpeg_probe fuzz_song_length fuzz_movie)

scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DXC_BUILD_TESTS=OFF -DXC_BUILD_BENCH=OFF -DXC_BUILD_FUZZ=ON -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target xc_data_tree "${targets[@]}"

# Seeds: every fixture of its kind in the sources and the built data tree.
seed() {
  local target="$1"; shift
  local dir="build-fuzz/corpus/$target"
  mkdir -p "$dir"
  for pattern in "$@"; do
    find tests data build-fuzz/bin -type f -iname "$pattern" -size -2M -exec cp -n {} "$dir/" \; 2>/dev/null || true
  done
}
seed fuzz_lrc '*.lrc' '*.txt'
seed fuzz_ksc '*.ksc'
seed fuzz_ini '*.ini'
seed fuzz_package '*.rar'
seed fuzz_jpeg_probe '*.jpg' '*.jpeg'
seed fuzz_song_length '*.mp3' '*.wav'
seed fuzz_movie '*.json'

# One frame of allocation stack: Qt is built without frame pointers, so deeper stacks unwind into
# garbage, each one new to the sanitizer's stack store, which then grows by about 700 bytes an
# execution until the memory limit stops the run. A finding is replayed with full stacks by running
# the target on its file.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:malloc_context_size=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The longest input each target is given: the text readers' troubles show within a few
# kilobytes (their speed on megabytes is measured by bench/reader_bench), a song's container and
# first frames within 16 KiB, and a JPEG header with its EXIF block, a template package and a
# movie within 64 KiB. Longer inputs would only make every execution slower.
max_len() {
  case "$1" in
    fuzz_lrc|fuzz_ksc|fuzz_ini) echo 8192 ;;
    fuzz_song_length) echo 16384 ;;
    *) echo 65536 ;;
  esac
}

status=0
mkdir -p build-fuzz/logs
for target in "${targets[@]}"; do
  findings="build-fuzz/findings/$target"; mkdir -p "$findings"
  log="build-fuzz/logs/$target-$(date +%Y%m%d-%H%M%S).log"
  if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  echo "== $target: ${limit[0]#-}, inputs up to $(max_len "$target") bytes, log $log"
  if ! build-fuzz/fuzz/"$target" "build-fuzz/corpus/$target" "${limit[@]}" -max_len="$(max_len "$target")" \
       -rss_limit_mb=4096 -timeout=10 -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    echo "   FINDING: see $log and $findings/"; status=1
  fi
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb" "$log" | sed 's/^/   /'
done
exit $status
