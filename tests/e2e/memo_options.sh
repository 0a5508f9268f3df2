#!/usr/bin/env bash
# A memo's options panel, reached from the "&Options" button, has the options size and "&Texte" brings
# the text panel back at its earlier place; "Mettre en avant-plan" ticked and unticked keeps the window
# above the others and lets it go, at once, without the activation moving to another memo.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

memo_windows() { xdotool search --onlyvisible --name '^Mnémo du ' 2>/dev/null | sort; }
count_is() { [ "$(memo_windows | wc -l)" -eq "$1" ]; }

# Two new memos; the second one, active, is the one worked on.
tray_menu_choose 3
wait_until 10 count_is 1 || fail "no first memo"
first=$(memo_windows)
tray_menu_choose 3
wait_until 10 count_is 2 || fail "no second memo"
memo=$(grep -vx "$first" <<<"$(memo_windows)")
wait_focus "$memo" || fail "the second memo is not active"

geometry() { xdotool getwindowgeometry --shell "$memo"; }
eval "$(geometry)"
text_geometry="$X $Y $WIDTH $HEIGHT"

# The panel buttons sit at the top of the client area, below the 3-pixel edge and the caption bar of the
# move mode (15 pixels): "&Texte" 18 pixels in, "&Options" 111.
client_x=$((X + 3)) client_y=$((Y + 3 + 15))
xdotool mousemove $((client_x + 111 + 15)) $((client_y + 10)) click 1
# 4695 × 6000 twips at 96 dpi.
options_size() { eval "$(geometry)"; [ "$WIDTH $HEIGHT" = "313 400" ]; }
wait_until 10 options_size || fail "the options panel is $WIDTH × $HEIGHT, not 313 × 400"
eval "$(geometry)"
client_x=$((X + 3)) client_y=$((Y + 3 + 15))

# "Mettre en avant-plan": the options frame is 950 twips down, its first frame 60 × 120 twips in, the
# check box 2400 × 120 twips into that frame.
above() { grep -q '_NET_WM_STATE_ABOVE' <<<"$(xprop -id "$memo" _NET_WM_STATE)"; }
not_above() { ! above; }
active=$(xdotool getactivewindow)
[ "$active" = "$((memo))" ] || fail "the memo is not the active window before ticking"
xdotool mousemove $((client_x + 4 + 160 + 6)) $((client_y + 63 + 8 + 8 + 9)) click 1
wait_until 10 above || fail "ticked, the memo's _NET_WM_STATE has no _NET_WM_STATE_ABOVE"
[ "$(xdotool getactivewindow)" = "$active" ] || fail "ticking moved the activation to $(xdotool getactivewindow)"
xdotool mousemove $((client_x + 4 + 160 + 6)) $((client_y + 63 + 8 + 8 + 9)) click 1
wait_until 10 not_above || fail "unticked, the memo's _NET_WM_STATE still has _NET_WM_STATE_ABOVE"
[ "$(xdotool getactivewindow)" = "$active" ] || fail "unticking moved the activation to $(xdotool getactivewindow)"
grep -qx "$((memo))" <<<"$(xdotool search --onlyvisible --name '^Mnémo du ')" || fail "the memo's window was made again"

# "&Texte": the text panel at its earlier place.
xdotool mousemove $((client_x + 18 + 15)) $((client_y + 10)) click 1
back() { eval "$(geometry)"; [ "$X $Y $WIDTH $HEIGHT" = "$text_geometry" ]; }
wait_until 10 back || fail "the text panel came back at $X $Y $WIDTH $HEIGHT, not $text_geometry"

# Opening the options panel was a change of the memo: quitting asks about it; "Non" lets it go.
tray_menu_choose 2
box=$(find_window 'Mmémo : .*' 10) || fail "no save question on quitting"
[ -n "$box" ] || fail "no save question on quitting"
xdotool windowactivate --sync "$box" key Escape
wait_exit "$PENSOIR_PID" 10 || fail "Quitter did not end the program"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
echo ok
