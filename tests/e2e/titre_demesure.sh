#!/usr/bin/env bash
# A memo whose title and alarm message are 100 000 letters long, read from its file, opens with its
# window named in a line, rings its alarm in a box, and the program still answers the tray.
source "$(dirname "$0")/desktop.sh"

FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -r "$FAKETIME_LIB" ] || fail "libfaketime is missing (package faketime)"

export PENSOIR_DIR="$E2E_TMP/pensoir"
mkdir -p "$PENSOIR_DIR/Mnemos"
title=$(printf 'T%.0s' $(seq 100000))
message=$(printf 'Rappel %.0s' $(seq 14285))fin
# Always open, every-day alarm at 10:30 without a beep.
lines=('"++++++++"' '#TRUE#' '#FALSE#' '#FALSE#' 8454143 '#FALSE#' '"10:30"' 3 '"__\__\____"'
    "\"$message\"" '#TRUE#' 1200 1200 $'"PRG \xe0 lancer"' 4515 3600 '"Un rappel"' "\"$title\""
    '"MS Sans Serif"' 10 0 0 0 0 '"          "' '"--------"')
printf '%s\r\n' "${lines[@]}" >"$PENSOIR_DIR/Mnemos/01122026_00001.PSL"

start_desktop
LD_PRELOAD=$FAKETIME_LIB FAKETIME="@2026-12-08 10:29:55" NO_FAKE_STAT=1 start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"
memo=$(find_window_of "$PENSOIR_PID" 'T{200}…' 20) || fail "no memo window named by its title's first letters"
[ -n "$memo" ] || fail "no memo window named by its title's first letters"

box=$(find_window_of "$PENSOIR_PID" '10:30' 40) || fail "no alarm box titled 10:30"
[ -n "$box" ] || fail "no alarm box titled 10:30"
xdotool windowactivate --sync "$box" key Return
box_gone() { window_is_gone '10:30'; }
wait_until 10 box_gone || fail "the alarm box did not close"

quit_from_tray
echo ok
