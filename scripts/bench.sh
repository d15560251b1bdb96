#!/usr/bin/env bash
# Builds the Release preset and runs the benchmarks. Arguments go to the benchmark program, e.g.
#   bash scripts/bench.sh --benchmark_filter='CursorMove/Segment'
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset release
cmake --build --preset release --target tavorine-bench
./build/release/tavorine-bench --benchmark_min_time=0.2 "$@"
