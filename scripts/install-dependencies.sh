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

# OpenCASCADE's visualization library names fontconfig among the libraries it links, which its
# Debian package does not bring: libfontconfig-dev is listed for it.
programs=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-tools-dev qt6-l10n-tools libgl-dev
          fonts-liberation2 libocct-data-exchange-dev libocct-modeling-algorithms-dev libtbb-dev
          libfontconfig-dev)
python=(python3-dev python3-venv python3-pip pybind11-dev python3-numpy python3-pandas
        python3-matplotlib python3-distributed)
tests=(libgtest-dev libgmock-dev libbenchmark-dev python3-pytest xvfb xauth openbox x11-utils xdotool
       imagemagick poppler-utils qt6-translations-l10n lintian man-db shared-mime-info
       desktop-file-utils locales)

with_python=false
with_tests=false
extra=()
for argument in "$@"; do
  case "$argument" in
    --python) with_python=true ;;
    --tests) with_tests=true ;;
    *) extra+=("$argument") ;;
  esac
done

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
updated=false

# Installs those of the packages that are missing, saying for what; apt's own options follow
# the purpose.
install_missing() {
  local purpose=$1
  shift
  local options=()
  while [ "${1:-}" != "--" ]; do options+=("$1"); shift; done
  shift
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "== Installing ${#missing[@]} Debian packages for ${purpose} (with what they depend on):"
  echo "   ${missing[*]}"
  if ! $updated; then
    $sudo_cmd apt-get update
    updated=true
  fi
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y ${options[@]+"${options[@]}"} \
    "${missing[@]}"
}

# What the programs need and nothing Debian merely recommends beside it (desktop themes,
# icon themes, D-Bus): the programs build and run without it.
install_missing "building and running the programs" --no-install-recommends -- "${programs[@]}"
# The tests' packages come as the tests were made with them, with what Debian recommends.
if $with_python || $with_tests; then
  install_missing "the Python module" -- "${python[@]}"
fi
if $with_tests; then
  install_missing "the tests" -- "${tests[@]}"
fi
if [ ${#extra[@]} -gt 0 ]; then
  install_missing "this step" -- "${extra[@]}"
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
