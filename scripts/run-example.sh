#!/usr/bin/env bash
# Builds the plug-in module and the driver as a user builds them (the Release preset: warnings are not errors),
# not the tests (scripts/test.sh builds those), then plays an example scenario:
#   bash scripts/run-example.sh [--keep-prefs] [SCENARIO]
# Writes out/NAME.svg, out/NAME.tree.txt, out/NAME.log and the preference file out/NAME.prefs.txt, NAME being the
# scenario's file name without its extension (segment by default). Each run starts from a fresh preference file,
# so it draws with the settings its scenario gives whatever ran before; --keep-prefs starts from the file the last
# run of the same scenario left.
set -euo pipefail
cd "$(dirname "$0")/.."
keep=no
if [ "${1:-}" = "--keep-prefs" ]; then
  keep=yes
  shift
fi
scenario="${1:-examples/segment.scn}"
bash scripts/deps.sh
cmake --preset release
cmake --build --preset release --target tavorine-host
mkdir -p out
name="$(basename "${scenario%.*}")"
prefs="out/$name.prefs.txt"
[ "$keep" = yes ] || rm -f "$prefs"
status=0
./build/release/tavorine-host "$scenario" -o out --prefs "$prefs" || status=$?
if [ "$status" -eq 0 ]; then
  echo "Wrote out/$name.svg, out/$name.tree.txt, out/$name.log and $prefs"
fi
exit "$status"
