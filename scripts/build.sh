#!/usr/bin/env bash
# Builds Norvika into build/ after installing what building and running the programs needs;
# the tests are built too when what they need is there (scripts/test.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
