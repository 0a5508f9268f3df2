#!/usr/bin/env bash
# A memo made from the tray menu, typed in, saved from its popup menu, comes back at the next start.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_until 10 tray_is_embedded || fail "the tray icon was not embedded"

# "Créer un nouveau Mnémo" is the third entry of the tray menu.
tray_menu_choose 3
memo=$(find_window 'Mnémo du .*' 10) || fail "no new memo window"
[ -n "$memo" ] || fail "no new memo window"
eval "$(xdotool getwindowgeometry --shell "$memo")"

# The first use of "Déplacer ce Mnémo" takes the caption bar away; the title becomes the window's name.
xdotool mousemove $((X + 150)) $((Y + 150)) click 1
sleep 0.3
xdotool type --delay 20 "Bonjour Pensoir"
xdotool key Return
# xdotool types accented letters unreliably: send the è by its key name.
xdotool type --delay 20 "deuxi"
xdotool key egrave
xdotool type --delay 20 "me ligne"
sleep 0.3

# Right button on the memo icon (under the caption bar, 4 × 26 pixels into the client area): the popup
# menu, whose first entry saves.
xdotool mousemove $((X + 3 + 4 + 16)) $((Y + 3 + 15 + 26 + 16)) click 3
sleep 0.5
xdotool mousemove $((X + 400)) $((Y + 400))
xdotool key Down Return
sleep 0.5

record=$(find "$PENSOIR_DIR/Mnemos" -name '*.PSL' 2>/dev/null | head -n 1 || true)
[ -n "$record" ] || fail "no record file was written"
name=$(basename "$record" .PSL)
[[ "$name" =~ ^[0-9]{8}_[0-9]{5}$ ]] || fail "unexpected memo name $name"
# The text is stored between quotes over two CR LF lines, in Windows-1252 ("è" is one byte, E8).
grep -q $'"Bonjour Pensoir\r' "$record" || fail "the text's first line is not in the record"
grep -q $'deuxi\xe8me ligne"\r' "$record" || fail "the text's second line is not in the record"
cmp -s <(head -c 12 "$record") <(printf '"++++++++"\r\n') || fail "the record does not start with its marker"
cmp -s <(tail -c 12 "$record") <(printf '"--------"\r\n') || fail "the record does not end with its marker"
[ "$(wc -l <"$record")" -ge 26 ] || fail "the record is too short"

quit_from_tray

# At the next start the memo, marked always open, is back with its text.
start_pensoir
wait_until 10 tray_is_embedded || fail "the tray icon was not embedded after restart"
find_window '______________________' 10 >/dev/null || fail "the memo did not reopen"
quit_from_tray
echo ok
