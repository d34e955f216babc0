#!/usr/bin/env bash
# Builds Norvika and runs one example in batch mode on a copy of it under out/; a
# hydrostatics example (one with norvika-hydrostatics.args) runs norvika-hydrostatics
# with the arguments that file holds, one a line, and a stability example (one with
# norvika-stability.args) norvika-stability likewise.
# Usage: scripts/run-example.sh [example directory, default box-barge/case1-level]
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-box-barge/case1-level}"
bash scripts/build.sh
run="out/${example}"
rm -rf "$run"
mkdir -p "$run"
cp "examples/${example}"/* "$run"/
if [ -f "$run/norvika-hydrostatics.args" ]; then
  mapfile -t arguments < "$run/norvika-hydrostatics.args"
  QT_QPA_PLATFORM=offscreen build/app/norvika-hydrostatics -C "$run" ${arguments[@]+"${arguments[@]}"} \
    --plots "$run/plots" --pdf "$run/record.pdf"
elif [ -f "$run/norvika-stability.args" ]; then
  mapfile -t arguments < "$run/norvika-stability.args"
  QT_QPA_PLATFORM=offscreen build/app/norvika-stability -C "$run" ${arguments[@]+"${arguments[@]}"} \
    --plots "$run/plots" --pdf "$run/record.pdf"
else
  QT_QPA_PLATFORM=offscreen build/app/norvika --batch -C "$run" --plots "$run/plots" --pdf "$run/run-record.pdf"
fi
