#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, if missing.
set -euo pipefail
packages=(build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev qt6-qpa-plugins desktop-file-utils libgl-dev fonts-liberation2 xvfb xauth locales
          poppler-utils qt6-tools-dev qt6-l10n-tools qt6-translations-l10n openbox x11-utils xdotool imagemagick lintian man-db shared-mime-info
          libocct-data-exchange-dev libocct-modeling-algorithms-dev libtbb-dev
          python3-dev python3-venv python3-pip pybind11-dev python3-numpy python3-pytest
          python3-matplotlib python3-pandas python3-distributed "$@")
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Decimal-comma locales for the tests that check numbers never follow the desktop's locale.
for l in tr_TR de_DE; do
  if ! locale -a 2>/dev/null | grep -qi "^${l}\.utf-\?8$"; then
    $sudo_cmd localedef -i "$l" -f UTF-8 "$l.UTF-8"
  fi
done
