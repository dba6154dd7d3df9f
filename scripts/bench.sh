#!/usr/bin/env bash
# Builds and runs every benchmark program; each prints its limits as ratios to a floor measured
# in the same run and exits non-zero when one is missed. Arguments go to every program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
# The pick is measured at 10 000 000 lines (about a gigabyte, a quarter of a minute to make).
export ORVANE_BENCH_PICK_LINES=${ORVANE_BENCH_PICK_LINES:-10000000}
status=0
for program in core_bench fileio_bench component_bench; do
  [[ -x build/bench/$program ]] || continue
  echo "== $program"
  build/bench/$program --benchmark_min_time=2 "$@" || status=1
done
exit $status
