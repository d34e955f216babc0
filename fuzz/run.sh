#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60),
# one after another, each on one job. A finding leaves its input as
# build-fuzz/findings/<target>/crash-* (or timeout-*, slow-unit-*) and makes
# the script fail.
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(dirname "$here")"
build_dir="$source_dir/build-fuzz"
jobs="${NORVIKA_FUZZ_BUILD_JOBS:-2}"

CC=clang CXX=clang++ cmake -S "$source_dir" -B "$build_dir" \
  -DNORVIKA_FUZZ=ON -DNORVIKA_WITH_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$jobs" --target fuzz_task_file fuzz_hull_file fuzz_weights_file fuzz_whole_run

status=0
for target in task_file hull_file weights_file whole_run; do
  corpus="$build_dir/corpus/$target"
  findings="$build_dir/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== fuzz_$target for ${seconds} s"
  # The committed seeds are read, never written: new inputs go to the build's corpus.
  if ! "$build_dir/fuzz/fuzz_$target" "$corpus" "$here/seeds/$target" \
      -max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$findings/" \
      >"$findings/log.txt" 2>&1; then
    echo "fuzz_$target: FINDING, see $findings"
    tail -n 40 "$findings/log.txt"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$findings/log.txt" | tail -n 2 || true
  fi
done
exit "$status"
