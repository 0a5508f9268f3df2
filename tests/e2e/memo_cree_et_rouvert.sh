#!/usr/bin/env bash
# A memo made from the tray menu, typed in, saved from its popup menu, comes back at the next start.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# "Créer un nouveau Mnémo", a click in the text box, then the text once the window has the keyboard.
new_memo
memo=$MEMO
click_into_text "$memo"
xdotool type --delay 20 "Bonjour Pensoir"
xdotool key Return
xdotool type --delay 20 "deuxième ligne"

# Right button on the memo icon (under the caption bar, 4 × 26 pixels into the client area): the popup
# menu, whose first entry saves.
eval "$(xdotool getwindowgeometry --shell "$memo")"
popup_menu_choose 1 xdotool mousemove $((X + 3 + 4 + 16)) $((Y + 3 + 15 + 26 + 16)) click 3

# Written aside and renamed: once the end marker is there the record is whole.
record=$(wait_file_complete "$PENSOIR_DIR/Mnemos/*.PSL" 10 $'"--------"\r\n') || fail "no record file was written"
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
wait_tray_icon || fail "the tray icon was not embedded after restart"
find_window '______________________' 10 >/dev/null || fail "the memo did not reopen"
quit_from_tray
echo ok
