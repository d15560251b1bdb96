#!/usr/bin/env bash
# Builds the plug-in module and the driver as a user builds them (the Release preset: warnings are not errors),
# not the tests (scripts/test.sh builds those), then plays an example scenario:
#   bash scripts/run-example.sh [--keep-prefs] [SCENARIO]
# SCENARIO is read from where the command is typed, as any path a user gives (examples/segment.scn by default).
# Writes out/NAME.svg, out/NAME.tree.txt, out/NAME.log and the preference file out/NAME.prefs.txt in the project's
# folder, NAME being the scenario's file name without its extension. Each run starts from a fresh preference file,
# so it draws with the settings its scenario gives whatever ran before; --keep-prefs starts from the file the last
# run of the same scenario left.
set -euo pipefail
typed_in="$PWD"
cd "$(dirname "$0")/.."
keep=no
if [ "${1:-}" = "--keep-prefs" ]; then
  keep=yes
  shift
fi
scenario="${1:-examples/segment.scn}"
if [ -n "${1:-}" ] && [ "${scenario#/}" = "$scenario" ]; then
  scenario="$typed_in/$scenario"
fi
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
  # The outputs as seen from where the command was typed: out/ there only when that is the project's folder.
  shown=out
  [ "$typed_in" = "$PWD" ] || shown="$PWD/out"
  echo "Wrote $shown/$name.svg, $shown/$name.tree.txt, $shown/$name.log and $shown/$name.prefs.txt"
fi
exit "$status"
