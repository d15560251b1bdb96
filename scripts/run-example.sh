#!/usr/bin/env bash
# Builds the plug-in module and the driver (not the tests: scripts/test.sh builds those), then plays an example
# scenario. Writes out/NAME.svg, out/NAME.tree.txt, out/NAME.log and the preference file out/tavorine-prefs.txt,
# NAME being the scenario's file name without its extension (segment by default).
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-examples/segment.scn}"
bash scripts/deps.sh
cmake --preset default
cmake --build --preset default --target tavorine-host
mkdir -p out
name="$(basename "${scenario%.*}")"
status=0
./build/default/tavorine-host "$scenario" -o out --prefs out/tavorine-prefs.txt || status=$?
if [ "$status" -eq 0 ]; then
  echo "Wrote out/$name.svg, out/$name.tree.txt, out/$name.log and out/tavorine-prefs.txt"
fi
exit "$status"
