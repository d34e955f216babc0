#!/usr/bin/env bash
# Retakes the README's screenshots of the desktop program: a 1600 x 1000 screen (Xvfb) with a
# window manager (openbox), runs of the DTMB 5415 examples answered at the keyboard (xdotool),
# the whole screen taken (ImageMagick) at the question each picture shows. Writes
# docs/images/gui-*.png; look at every one before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${NORVIKA_SCREENSHOTS_INSIDE:-}" ]; then
  bash scripts/install-dependencies.sh --tests
  bash scripts/build.sh > /dev/null
  NORVIKA_SCREENSHOTS_INSIDE=1 exec env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 LANGUAGE= \
    xvfb-run -a -s '-screen 0 1600x1000x24' bash "$0"
fi

openbox > /dev/null 2>&1 &
window_manager=$!
sleep 1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; kill "$window_manager" 2> /dev/null || true' EXIT

active() { xdotool getactivewindow getwindowname 2> /dev/null || true; }

# Runs `example`, pressing Enter at every question until the `count`-th whose box is titled
# `title` is up ("" for the first question of the run), takes the screen into `picture`, and
# answers the rest.
shoot() {
  local example=$1 title=$2 count=$3 picture=$4
  rm -rf "$scratch/run"
  cp -r "examples/$example" "$scratch/run"
  build/app/norvika --gui -C "$scratch/run" > /dev/null 2>&1 &
  local pid=$! seen=0 taken=0
  sleep 4
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2> /dev/null || break
    if [ "$taken" = 0 ] && { [ -z "$title" ] || [ "$(active)" = "$title" ]; }; then
      seen=$((seen + 1))
      if [ "$seen" -ge "$count" ]; then
        sleep 1.5
        import -window root "docs/images/$picture"
        echo "docs/images/$picture"
        taken=1
      fi
    fi
    xdotool key Return
    sleep 1.5
  done
  wait "$pid" || true
  [ "$taken" = 1 ] || { echo "no picture for $picture" >&2; exit 1; }
}

shoot dtmb5415/case2-trochoid-crest "" 1 gui-body-plan.png
shoot dtmb5415/case2-trochoid-crest "Su Hattı Kesim Noktaları Kontrolu" 1 gui-waterline-check.png
shoot dtmb5415/case2-trochoid-crest "DEVAM BOLUMU" 2 gui-graph-ship-position.png
shoot dtmb5415/case7-heeled "DEVAM BOLUMU" 1 gui-heeled-sections.png
shoot dtmb5415/strength-trochoid-crest "PROGRAM SONU" 1 gui-closing-box.png
