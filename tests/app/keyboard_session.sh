#!/bin/sh
# One session at the keyboard and mouse with the desktop program under a window manager, for
# keyboard_test.cpp, which runs it inside xvfb-run with openbox.
#   keyboard_session.sh SCENARIO NORVIKA RUN_DIRECTORY
# Exits with the program's status, or 99 when the program did not end (the keys went nowhere).
# Every step waits for what it needs (a window manager, a window with the keyboard, the
# program's end) by asking for it every 0.2 s up to a bound far beyond a busy machine's
# delays; no step waits for a time and hopes.
scenario=$1
norvika=$2
run=$3

within() {  # runs "$@" every 0.2 s until it succeeds, for at most 120 s
  for _ in $(seq 1 600); do
    "$@" 2> /dev/null && return 0
    sleep 0.2
  done
  return 1
}
window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# The window that has the keyboard (X's input focus) is named $1: keys typed now reach it.
keyboard_in_() { xdotool getwindowfocus getwindowname | grep -q "$1"; }
keyboard_in() { within keyboard_in_ "$1"; }

within window_manager_up
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
    # Ctrl+Q in the report window (or in the box, which takes the keyboard back as soon as
    # the report window is active: the stop box belongs to the report window either way),
    # "No" in the stop box, then the answer typed as soon as the question has the keyboard
    # back. The first question's box is titled " ".
    keyboard_in '^ $'
    xdotool search --onlyvisible --name Rapor windowactivate --sync
    xdotool key ctrl+q
    keyboard_in '^Norvika$'
    xdotool key Return
    keyboard_in '^ $'
    xdotool type E
    xdotool key Return
    ;;
  click-on-drawing)
    # A click on the drawing asked about, then the answer typed as soon as the question has
    # the keyboard back.
    keyboard_in '^ $'
    xdotool mousemove --sync --window "$(xdotool search --onlyvisible --name Rapor | head -n 1)" \
      200 150
    xdotool click 1
    keyboard_in '^ $'
    xdotool type E
    xdotool key Return
    ;;
  folder-dialog-cancelled)
    keyboard_in 'choose the run directory'
    xdotool key Escape
    ;;
esac
# The box that says how the run ended, when there is one.
if [ "$scenario" != folder-dialog-cancelled ]; then
  keyboard_in '^Norvika$' && xdotool key Return
fi

program_ended() { ! kill -0 "$pid"; }
if ! within program_ended; then
  kill "$pid"
  exit 99
fi
wait "$pid"
