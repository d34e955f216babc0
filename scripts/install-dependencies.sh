#!/usr/bin/env bash
# Installs the Debian 12 packages Norvika needs that are missing, saying which and showing
# apt's progress.
# Usage: install-dependencies.sh [--python] [--tests] [more packages...]
#   (none)    what building and running the programs needs: the compiler, CMake, Qt (the
#             desktop program, the pictures and the PDF record), OpenCASCADE (norvika-offsets)
#             and the fonts of the pictures
#   --python  besides, the Python module's build and its example (pybind11, numpy, pandas,
#             matplotlib)
#   --tests   besides, everything the tests need: GoogleTest, the benchmark library, the
#             Python module's and pytest, a virtual screen with a window manager and a
#             keyboard (Xvfb, openbox, xdotool, ImageMagick), the PDF and package checkers,
#             Qt's translations and the decimal-comma locales tr_TR and de_DE
set -euo pipefail

programs=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev
          fonts-liberation2 libocct-data-exchange-dev libocct-modeling-algorithms-dev libtbb-dev)
python=(python3-dev python3-venv python3-pip pybind11-dev python3-numpy python3-pandas
        python3-matplotlib)
tests=(libgtest-dev libgmock-dev libbenchmark-dev python3-pytest xvfb xauth openbox xdotool
       imagemagick poppler-utils qt6-translations-l10n lintian man-db shared-mime-info
       desktop-file-utils locales)

purpose="building and running the programs"
wanted=("${programs[@]}")
extra=()
with_tests=false
for argument in "$@"; do
  case "$argument" in
    --python) purpose="building the programs and the Python module"; wanted+=("${python[@]}") ;;
    --tests) with_tests=true ;;
    *) extra+=("$argument") ;;
  esac
done
if $with_tests; then
  purpose="building and testing everything"
  wanted=("${programs[@]}" "${python[@]}" "${tests[@]}")
fi
wanted+=(${extra[@]+"${extra[@]}"})

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
missing=()
for p in "${wanted[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== Installing ${#missing[@]} Debian packages for ${purpose} (with what they depend on):"
  echo "   ${missing[*]}"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends \
    "${missing[@]}"
  echo "== Installed."
fi

if $with_tests; then
  # Decimal-comma locales for the tests that check numbers never follow the desktop's locale.
  for l in tr_TR de_DE; do
    if ! locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$"; then
      echo "== Making the locale $l.UTF-8 for the tests"
      $sudo_cmd localedef -i "$l" -f UTF-8 "$l.UTF-8"
    fi
  done
fi
