#!/usr/bin/env bash
# Builds the Python module norvika with pip into a virtual environment under
# build/ (Debian's python3, seeing Debian's numpy, pytest, matplotlib and
# pandas) and runs its tests. Nothing is fetched: the module's build backend
# needs no package from an index. The CMake build stays in build/python-build,
# so a second run only compiles what changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --tests
venv=build/python-venv
if [ ! -x "$venv/bin/python" ]; then
  /usr/bin/python3 -m venv --system-site-packages "$venv"
fi
"$venv/bin/python" -m pip install --quiet --no-index \
  --config-settings=build-dir="$PWD/build/python-build" .
"$venv/bin/python" -m pytest -q python/tests
