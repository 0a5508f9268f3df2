#!/usr/bin/env bash
# A crash (SIGKILL: no handler runs) loses nothing typed: the recovery copy is offered back at the next
# start, and Oui reopens the memo with its text, modified, so that closing it asks to save it.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

new_memo
memo=$MEMO
click_into_text "$memo"
xdotool type --delay 20 "Sauvé par la copie"

copy_holds() { grep -qF "Sauvé par la copie" "$PENSOIR_DIR"/Mnemos/Recuperation/*.PSL 2>/dev/null; }
wait_until 15 copy_holds || fail "no recovery copy holds the text typed"
compgen -G "$PENSOIR_DIR/Mnemos/*.PSL" >/dev/null && fail "the memo was saved, it should not have been"

kill -KILL "$PENSOIR_PID"
wait_exit "$PENSOIR_PID" 10 || fail "SIGKILL did not end the program"

# At the next start, the question; its default button is Oui.
start_pensoir
question_has_focus() {
    local box
    box=$(xdotool getactivewindow 2>/dev/null) && [ "$(xdotool getwindowname "$box")" = Pensoir ] && has_focus "$box"
}
wait_until 10 question_has_focus || fail "no question about the recovered changes"
xdotool key Return

memo=$(find_window '______________________' 10) || fail "the recovered memo did not open"
[ -n "$memo" ] || fail "the recovered memo did not open"
wait_tray_icon || fail "the tray icon was not embedded after restart"

# Modified: quitting asks whether to save it; Oui writes the recovered text.
tray_menu_choose 2
box=$(find_window 'Mmémo : _+' 10) || fail "quitting did not ask to save the recovered memo"
[ -n "$box" ] || fail "quitting did not ask to save the recovered memo"
xdotool windowactivate --sync "$box"
wait_focus "$box" || fail "the save question did not get the focus"
xdotool key Return
wait_exit "$PENSOIR_PID" 10 || fail "the program did not end after the save"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
record=$(compgen -G "$PENSOIR_DIR/Mnemos/*.PSL" | head -n 1) || fail "no record file was written"
grep -q $'"Sauv\xe9 par la copie"\r' "$record" || fail "the record does not hold the recovered text"
compgen -G "$PENSOIR_DIR/Mnemos/Recuperation/*.PSL" >/dev/null && fail "the recovery copy outlived the save"
echo ok
