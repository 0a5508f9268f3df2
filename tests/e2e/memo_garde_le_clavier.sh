#!/usr/bin/env bash
# With the main window showing, a new memo takes the keyboard at once, and after its title box closes
# the keyboard comes back to it without a save question: typing goes on into the memo and Ctrl+S saves.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# A left click on the tray icon shows the main window.
click_tray 1
main=$(find_window ' *Pensoir' 10) || fail "the main window did not show"
[ -n "$main" ] || fail "the main window did not show"
wait_focus "$main" || fail "the main window did not get the focus"

# "Créer un nouveau Mnémo": typing goes into the memo's text without a click.
new_memo
memo=$MEMO
wait_focus "$memo" || fail "the new memo did not take the keyboard (focus on $(xdotool getwindowfocus))"
xdotool type --delay 20 "Bonjour"
find_window ' *Pensoir' 1 >/dev/null || fail "the main window went away"

# The title: a click on it (under the caption bar of the move mode, 2535 twips into the memo frame).
eval "$(xdotool getwindowgeometry --shell "$memo")"
xdotool mousemove $((X + 3 + 169 + 20)) $((Y + 3 + 15 + 16 + 14 + 10)) click 1
box=$(find_window 'Pensoir' 10) || fail "no title box"
[ -n "$box" ] && [ "$box" != "$main" ] || fail "no title box"
wait_focus "$box" || fail "the title box did not get the focus"
xdotool key ctrl+a
xdotool type --delay 20 "Liste"
xdotool key Return
box_is_gone() { ! grep -q IsViewable <<<"$(xwininfo -id "$box" 2>/dev/null)"; }
wait_until 10 box_is_gone || fail "the title box stayed up"
wait_focus "$memo" || fail "the keyboard did not come back to the memo (focus on $(xdotool getwindowfocus))"

# Had a save question come up, it would hold the keyboard and no file would be written.
xdotool type --delay 20 " encore"
xdotool key ctrl+s
record=$(wait_file_complete "$PENSOIR_DIR/Mnemos/*.PSL" 10 $'"--------"\r\n') ||
    fail "Ctrl+S wrote no record (a box in the way?)"
grep -q '^"Liste"' "$record" || fail "the title was not kept: $(sed -n 18p "$record")"
grep -q '"Bonjour encore"' "$record" || fail "the text typed is not the memo's: $(grep -a Bonjour "$record")"
! xdotool search --onlyvisible --name '^Sauvegarde du Mmémo' >/dev/null 2>&1 || fail "a save question came up"

quit_from_tray
echo ok
