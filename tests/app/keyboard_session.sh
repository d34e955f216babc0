#!/bin/sh
# One session at the keyboard and mouse with the desktop program under a window manager, for
# keyboard_test.cpp, which runs it inside xvfb-run with openbox.
#   keyboard_session.sh SCENARIO NORVIKA RUN_DIRECTORY
# Exits with the program's status, or 99 when the program did not end (the keys went nowhere).
scenario=$1
norvika=$2
run=$3

active_is() {  # the active window's name matches $1 within 20 seconds
  for _ in $(seq 1 100); do
    xdotool getactivewindow getwindowname 2> /dev/null | grep -q "$1" && return 0
    sleep 0.2
  done
  return 1
}

case $scenario in
  folder-dialog-cancelled)
    (cd "$run" && exec "$norvika" --gui) &
    ;;
  *)
    "$norvika" --gui -C "$run" &
    ;;
esac
pid=$!

case $scenario in
  stop-box-no)
    # Ctrl+Q in the report window (or in the box, should it have the keyboard back by then:
    # the stop box belongs to the report window either way), "No" in the stop box, then the
    # answer typed at once. The first question's box is titled " ".
    active_is '^ $'
    xdotool search --onlyvisible --name Rapor windowactivate
    xdotool key ctrl+q
    active_is '^Norvika$' && sleep 0.5
    xdotool key Return
    sleep 1
    active_is '^ $'
    xdotool type E
    xdotool key Return
    ;;
  click-on-drawing)
    # A click on the drawing asked about, then the answer typed at once.
    active_is '^ $'
    xdotool mousemove --window "$(xdotool search --onlyvisible --name Rapor | head -n 1)" 200 150
    xdotool click 1
    sleep 1
    active_is '^ $'
    xdotool type E
    xdotool key Return
    ;;
  folder-dialog-cancelled)
    active_is 'choose the run directory' && sleep 0.5
    xdotool key Escape
    ;;
esac
# The box that says how the run ended, when there is one.
if [ "$scenario" != folder-dialog-cancelled ]; then
  active_is '^Norvika$' && sleep 0.5 && xdotool key Return
fi

for _ in $(seq 1 300); do
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.2
done
if kill -0 "$pid" 2> /dev/null; then
  kill "$pid"
  exit 99
fi
wait "$pid"
