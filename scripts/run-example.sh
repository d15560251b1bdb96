#!/usr/bin/env bash
# Builds the plug-in and the stand-in host, then plays an example scenario.
# Writes out/segment.svg, out/segment.tree.txt, out/segment.log and the preference file out/tavorine-prefs.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-examples/segment.scn}"
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default
mkdir -p out
./build/default/tavorine-host "$scenario" -o out --prefs out/tavorine-prefs.txt
echo "Wrote out/$(basename "${scenario%.*}").svg and out/tavorine-prefs.txt"
