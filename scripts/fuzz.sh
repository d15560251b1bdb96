#!/usr/bin/env bash
# Builds the libFuzzer targets with the clang preset (ASan and UBSan on) and runs each of them.
#   bash scripts/fuzz.sh [SECONDS]   fuzzes each target for SECONDS (default 60), starting from its seed corpus in
#                                    fuzz/corpus/NAME; new inputs go to build/clang/corpus/NAME, crashes to
#                                    build/clang/crashes/NAME
#   bash scripts/fuzz.sh --replay    runs each target once over its seed corpus (what CI does)
set -euo pipefail
cd "$(dirname "$0")/.."
mode="${1:-60}"
bash scripts/deps.sh
# clang and its libFuzzer and sanitizer runtimes.
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y clang libclang-rt-14-dev
fi
cmake --preset clang >/dev/null
targets=(scenario preferences tool_actions dialog_actions)
cmake --build --preset clang --target "${targets[@]/#/fuzz_}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# An input that runs longer than this many seconds is a hang: a search that never ends fails the run.
timeout=10
for name in "${targets[@]}"; do
  binary="build/clang/fuzz_$name"
  if [ "$mode" = "--replay" ]; then
    echo "== replaying fuzz/corpus/$name"
    "$binary" -runs=0 -timeout="$timeout" "fuzz/corpus/$name"
  else
    echo "== fuzzing $name for $mode s"
    mkdir -p "build/clang/corpus/$name" "build/clang/crashes/$name"
    "$binary" -max_total_time="$mode" -timeout="$timeout" -artifact_prefix="build/clang/crashes/$name/" \
      "build/clang/corpus/$name" "fuzz/corpus/$name"
  fi
done
