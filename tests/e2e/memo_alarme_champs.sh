#!/usr/bin/env bash
# A memo whose alarm day and hour are both wrong: leaving the day for the hour warns about the day once
# and gives it the focus back, on the real desktop where the box takes the focus and the window gets it
# back later; the focus coming back is not a leaving of the hour, so no box follows. Leaving the day
# again warns again.
source "$(dirname "$0")/desktop.sh"

# The record file, as the program writes it: Windows-1252, CR LF, the memo always open at 100, 100 pixels,
# its alarm off, on day "1/2/2026" at "9:30".
export PENSOIR_DIR="$E2E_TMP/pensoir"
mkdir -p "$PENSOIR_DIR/Mnemos"
lines=('"++++++++"' '#FALSE#' '#FALSE#' '#TRUE#' 8454143 '#FALSE#' '"9:30"' 3 '"1/2/2026"'
    '"Appeler le dentiste"' '#TRUE#' 1500 1500 $'"PRG \xe0 lancer"' 4515 3600 '"Un rappel"' '"Rappel"'
    '"MS Sans Serif"' 10 0 0 0 0 '"          "' '"--------"')
printf '%s\r\n' "${lines[@]}" >"$PENSOIR_DIR/Mnemos/01122026_00001.PSL"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"
memo=$(find_window_of "$PENSOIR_PID" 'Rappel' 10) || fail "the memo did not open"
[ -n "$memo" ] || fail "the memo did not open"

geometry() { xdotool getwindowgeometry --shell "$memo"; }
eval "$(geometry)"
# No caption bar: the client area starts below the 3-pixel edge. "&Options" is 111 pixels in.
client_x=$((X + 3)) client_y=$((Y + 3))
xdotool mousemove $((client_x + 111 + 15)) $((client_y + 10)) click 1
options_size() { eval "$(geometry)"; [ "$WIDTH $HEIGHT" = "313 400" ]; }
wait_until 10 options_size || fail "the options panel is $WIDTH × $HEIGHT, not 313 × 400"
eval "$(geometry)"
client_x=$((X + 3)) client_y=$((Y + 3))
wait_focus "$memo" || fail "the memo is not active"

# The day and hour boxes: 960 twips in, 2420 and 2750 twips down the client area (panel, frames, box).
day_x=$((client_x + 64 + 20)) day_y=$((client_y + 161 + 10))
hour_x=$((client_x + 64 + 20)) hour_y=$((client_y + 183 + 10))
day_box='Jour de déclenchement de l.alarme'
hour_box='Heure de déclenchement de l.alarme'

# Entering the day asks nothing; leaving it for the hour warns about the day.
xdotool mousemove $day_x $day_y click 1
xdotool mousemove $hour_x $hour_y click 1
box=$(find_window_of "$PENSOIR_PID" "$day_box" 10) || fail "no box about the day"
[ -n "$box" ] || fail "no box about the day"
xdotool windowactivate --sync "$box" key Return
day_box_gone() { window_is_gone "$day_box"; }
wait_until 10 day_box_gone || fail "the box about the day did not close"
wait_focus "$memo" || fail "the memo did not get the focus back"

# The tray's menu opens only while none of the program's boxes is open, and only once the program has
# handled what came before it: the focus coming back, and any check that would follow.
click_tray 3
menu=$(wait_popup_menu) || fail "no tray menu: a box is open"
window_is_gone "$hour_box" || fail "the focus given back to the day checked the hour"
window_is_gone "$day_box" || fail "a second box about the day"
pointer_beside "$menu"
xdotool key Escape
wait_popup_gone || fail "the tray menu stayed up"

# The focus is in the day again: leaving it again warns again.
wait_focus "$memo" || fail "the memo did not get the focus back after the menu"
xdotool mousemove $hour_x $hour_y click 1
box=$(find_window_of "$PENSOIR_PID" "$day_box" 10) || fail "no box on leaving the day again"
[ -n "$box" ] || fail "no box on leaving the day again"
xdotool windowactivate --sync "$box" key Return
wait_until 10 day_box_gone || fail "the second box about the day did not close"

# Opening the options panel was a change of the memo: quitting asks about it; "Non" lets it go.
tray_menu_choose 2
box=$(find_window 'Mmémo : .*' 10) || fail "no save question on quitting"
[ -n "$box" ] || fail "no save question on quitting"
xdotool windowactivate --sync "$box" key Escape
wait_exit "$PENSOIR_PID" 10 || fail "Quitter did not end the program"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
echo ok
