#!/usr/bin/env bash
# Builds the project and runs the whole test suite. With "sanitize" it uses the ASan/UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
