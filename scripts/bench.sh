#!/usr/bin/env bash
# Builds and runs the benchmarks; prints each limit as a ratio to a floor measured in the same
# run and exits non-zero when one is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target core_bench
build/bench/core_bench --benchmark_min_time=2 "$@"
