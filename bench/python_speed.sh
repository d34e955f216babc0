#!/usr/bin/env bash
# 1000 case-2 runs on the 100-station hull of bench/make_run.py, from Python in
# a loop and from C++ in the same loop, each three times, alternating. Needs
# scripts/build.sh (build/bench/norvika_run_loop) and scripts/python-test.sh
# (the module in build/python-venv). Not a test: the times depend on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 bench/make_run.py "$dir"
for round in 1 2 3; do
  build/bench/norvika_run_loop "$dir" "$runs"
  build/python-venv/bin/python bench/run_loop.py "$dir" "$runs"
done
