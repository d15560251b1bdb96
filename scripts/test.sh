#!/usr/bin/env bash
# Builds the project and runs the whole test suite. With "sanitize" it uses the ASan/UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
# The test presets set no job count: the tests run as many at once as CTEST_PARALLEL_LEVEL (else
# CMAKE_BUILD_PARALLEL_LEVEL) says, every core when neither is set.
jobs="${CTEST_PARALLEL_LEVEL:-${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}}"
ctest --preset "$preset" -j "$jobs"
