#!/usr/bin/env bash
# The whole batch process on the run of bench/make_run.py (100 stations of 50 points, a
# trochoidal crest, 143 equally spaced points), two builds side by side: the instructions
# each executes (valgrind --tool=callgrind, which does not scatter with the load of the
# machine), their wall times, alternated (hyperfine), and the written files, which must be
# the same bytes. Needs valgrind and hyperfine. Not a test: the times depend on the machine.
# Usage: bench/process_speed.sh BEFORE/app/norvika AFTER/app/norvika [runs, default 200]
set -euo pipefail
cd "$(dirname "$0")/.."
before=$1 after=$2 runs=${3:-200}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 bench/make_run.py "$dir/run"
cp -r "$dir/run" "$dir/before"
cp -r "$dir/run" "$dir/after"
for side in before after; do
  program=${!side}
  instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" --batch \
                   -C "$dir/$side" 2>&1 >/dev/null | sed -n 's/.*refs: *//p')
  echo "$side: $instructions instructions ($program)"
done
for file in Norvika.SON SEPHIYE.TXT; do
  cmp "$dir/before/$file" "$dir/after/$file" || { echo "$file differs" >&2; exit 1; }
done
echo "the written files are the same bytes"
hyperfine -N --warmup 20 --runs "$runs" "$before --batch -C $dir/before" \
  "$after --batch -C $dir/after"
