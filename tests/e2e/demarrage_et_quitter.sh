#!/usr/bin/env bash
# The program starts into the tray, shows its button column on a left click, warns a second copy, and
# ends with exit code 0 from the tray menu's "&Quitter".
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"
window_is_gone '      Pensoir' || fail "the main window should start hidden"

click_tray 1
find_window '      Pensoir' >/dev/null || fail "a left click did not show the main window"

# A second copy warns, then carries on with its own icon.
first_pid=$PENSOIR_PID
first_icon=$(tray_icon_centre)
unset PENSOIR_PID
start_pensoir
second_pid=$PENSOIR_PID
box=$(find_window_of "$second_pid" 'Pensoir' 10) || fail "the second copy showed no warning"
[ -n "$box" ] || fail "the second copy showed no warning"
xdotool windowactivate --sync "$box" key Return
wait_tray_icon "$second_pid" || fail "the second copy should carry on with its tray icon"
kill "$second_pid"
wait_exit "$second_pid" 10 || fail "the second copy did not end"
second_icon_gone() { ! tray_is_embedded "$second_pid"; }
wait_until 10 second_icon_gone || fail "the second copy's tray icon stayed"

# "&Quitter" is the second entry of the tray menu, once the tray host has laid out the first icon again.
PENSOIR_PID=$first_pid
icon_back() { [ "$(tray_icon_centre)" = "$first_icon" ]; }
wait_until 10 icon_back || fail "the first tray icon moved"
quit_from_tray
echo "ok"
