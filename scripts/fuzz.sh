#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang in build-fuzz/ and runs each for a
# bounded time, seeded with the project's samples.
#   scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

if ! command -v clang++ >/dev/null; then
  echo "clang++ is not installed: fuzzing skipped"
  exit 0
fi
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
declare -A seeds=([cdl]=bracket.cdl [dxf]=bracket.dxf [iges]=bracket.igs [tvg]=plate.tvg)
for format in cdl dxf iges tvg; do
  corpus=build-fuzz/corpus/$format
  mkdir -p "$corpus"
  cp "samples/${seeds[$format]}" "$corpus/"
  # Further seeds (files as other programs write them) and a dictionary of the format's words.
  if [[ -d tests/fuzz/seeds/$format ]]; then cp tests/fuzz/seeds/$format/* "$corpus/"; fi
  dictionary=()
  if [[ -f tests/fuzz/$format.dict ]]; then dictionary=(-dict="tests/fuzz/$format.dict"); fi
  echo "== fuzz_$format for ${seconds}s"
  build-fuzz/fuzz_$format -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 "${dictionary[@]}" "$corpus"
done
