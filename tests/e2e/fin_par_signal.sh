#!/usr/bin/env bash
# SIGTERM (shutdown, logout, kill) and SIGHUP (a closed terminal) save what was typed, then the program
# ends in order with exit code 0.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# Types into the memo window at the end of its text, and waits until the program has read every key: its
# recovery copy, written a few seconds after the last change, then holds the whole text.
type_into_memo() { # window text
    click_into_text "$1"
    xdotool key ctrl+End
    xdotool type --delay 20 "$2"
    copy_holds() { grep -qF "$1" "$PENSOIR_DIR"/Mnemos/Recuperation/*.PSL 2>/dev/null; }
    wait_until 15 copy_holds "$2" || fail "no recovery copy holds: $2"
}

new_memo
memo=$MEMO
type_into_memo "$memo" "Tapé avant SIGTERM"

kill -TERM "$PENSOIR_PID"
wait_exit "$PENSOIR_PID" 10 || fail "SIGTERM did not end the program"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after SIGTERM"
record=$(compgen -G "$PENSOIR_DIR/Mnemos/*.PSL" | head -n 1) || fail "no record file after SIGTERM"
grep -q $'"Tap\xe9 avant SIGTERM"\r' "$record" || fail "the record does not hold the text typed"
compgen -G "$PENSOIR_DIR/Mnemos/Recuperation/*.PSL" >/dev/null && fail "the recovery copy outlived the save"

# The memo, marked always open, comes back; more text, then SIGHUP.
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded after restart"
memo=$(find_window '______________________' 10) || fail "the memo did not reopen"
[ -n "$memo" ] || fail "the memo did not reopen"
# Shown first, then put where its record says (Gauche and Haut, lines 12 and 13, in twips): only there can
# it be clicked.
left=$(sed -n 12p "$record" | tr -d '\r')
top=$(sed -n 13p "$record" | tr -d '\r')
at_record_place() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$memo")"
    [ "$X" = $((left / 15)) ] && [ "$Y" = $((top / 15)) ]
}
wait_until 10 at_record_place || fail "the memo did not take its place ($left, $top twips)"
type_into_memo "$memo" " puis SIGHUP"

kill -HUP "$PENSOIR_PID"
wait_exit "$PENSOIR_PID" 10 || fail "SIGHUP did not end the program"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after SIGHUP"
grep -q $'"Tap\xe9 avant SIGTERM puis SIGHUP"\r' "$record" || fail "the record does not hold the text added"
echo ok
