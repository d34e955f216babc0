#!/usr/bin/env bash
# Installs what the tests need besides what the programs need, builds everything and runs
# every test, those of the Python module too.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --tests
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash scripts/python-test.sh
