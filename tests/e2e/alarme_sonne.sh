#!/usr/bin/env bash
# A memo kept closed, with an every-day alarm a minute ahead of the clock, raises its alarm box, titled
# with its time, though no memo window is open.
source "$(dirname "$0")/desktop.sh"

FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -r "$FAKETIME_LIB" ] || fail "libfaketime is missing (package faketime)"

# The record file, as the program writes it: Windows-1252 ("à" is E0), CR LF, the alarm on, every day at
# 10:30, the memo always closed.
export PENSOIR_DIR="$E2E_TMP/pensoir"
mkdir -p "$PENSOIR_DIR/Mnemos"
lines=('"++++++++"' '#TRUE#' '#FALSE#' '#TRUE#' 8454143 '#TRUE#' '"10:30"' 3 '"__\__\____"'
    '"Appeler le dentiste"' '#FALSE#' 1200 1200 $'"PRG \xe0 lancer"' 4515 3600 '"Un rappel"' '"Rappel"'
    '"MS Sans Serif"' 10 0 0 0 0 '"          "' '"--------"')
printf '%s\r\n' "${lines[@]}" >"$PENSOIR_DIR/Mnemos/01122026_00001.PSL"

start_desktop
# The program's clock starts five seconds before the alarm's minute (many times what start-up takes on a
# busy machine) and runs from there. Files keep their real times (NO_FAKE_STAT): otherwise fontconfig
# finds its shared caches out of date, rewrites them with the false times, and the next program to start
# without them spends seconds scanning fonts again.
LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-08 10:29:55" NO_FAKE_STAT=1 start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"
window_is_gone 'Rappel' || fail "the memo, always closed, was opened"
window_is_gone '10:30' || fail "the alarm rang before its minute"

box=$(find_window_of "$PENSOIR_PID" '10:30' 40) || fail "no alarm box titled 10:30"
[ -n "$box" ] || fail "no alarm box titled 10:30"
window_is_gone 'Rappel' || fail "a memo window is open beside the alarm"
xdotool windowactivate --sync "$box" key Return
box_gone() { window_is_gone '10:30'; }
wait_until 10 box_gone || fail "the alarm box did not close"

quit_from_tray
echo ok
