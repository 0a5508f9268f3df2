#!/usr/bin/env bash
# The program starts into the tray, shows its button column on a left click, warns a second copy, and
# ends with exit code 0 from the tray menu's "&Quitter".
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_until 10 tray_is_embedded || fail "the tray icon was not embedded"
window_is_gone '      Pensoir' || fail "the main window should start hidden"

click_tray 1
find_window '      Pensoir' >/dev/null || fail "a left click did not show the main window"

# A second copy warns, then carries on with its own icon.
first_pid=$PENSOIR_PID
unset PENSOIR_PID
start_pensoir
second_pid=$PENSOIR_PID
box=$(find_window_of "$second_pid" 'Pensoir' 10) || fail "the second copy showed no warning"
[ -n "$box" ] || fail "the second copy showed no warning"
xdotool windowactivate --sync "$box" key Return
sleep 0.5
kill -0 "$second_pid" || fail "the second copy should carry on after its warning"
kill "$second_pid"

# "&Quitter" is the second entry of the tray menu.
PENSOIR_PID=$first_pid
sleep 0.5
quit_from_tray
echo "ok"
