#!/usr/bin/env bash
# Builds Norvika and runs one example in batch mode on a copy of it under out/.
# Usage: scripts/run-example.sh [example directory, default box-barge/case1-level]
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-box-barge/case1-level}"
bash scripts/build.sh
run="out/${example}"
rm -rf "$run"
mkdir -p "$run"
cp "examples/${example}"/* "$run"/
QT_QPA_PLATFORM=offscreen build/app/norvika --batch -C "$run" --plots "$run/plots" --pdf "$run/run-record.pdf"
