#!/usr/bin/env bash
# "Démarrage par Windows" switches start at login on: the user's autostart entry appears, naming the
# installed program (this one when none is installed) and its program folder; a second click asks, and
# "Oui" removes the entry.
source "$(dirname "$0")/desktop.sh"

export XDG_CONFIG_HOME="$E2E_TMP/config"
entry="$XDG_CONFIG_HOME/autostart/pensoir.desktop"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# The third button of the column (30, 810 twips; 121 × 25 pixels at 96 dpi).
click_start_at_login() {
    xdotool mousemove --window "$main" 62 66 click 1
}

# Answers the box of that title with its default button, and waits until it is gone.
answer_box() { # title
    local box
    box=$(find_window "$1" 10) || fail "no box \"$1\""
    xdotool windowactivate --sync "$box"
    wait_focus "$box" || fail "the box \"$1\" did not get the focus"
    xdotool key Return
    wait_until 10 window_is_gone "$1" || fail "the box \"$1\" stayed"
}

click_tray 1
main=$(find_window '      Pensoir') || fail "a left click did not show the main window"
wait_focus "$main" || fail "the main window did not get the focus"

[ ! -e "$entry" ] || fail "an autostart entry was there before the test"
click_start_at_login
answer_box 'Activation de cette option'
wait_file_complete "$entry" 10 >/dev/null || fail "no autostart entry was written"
exec_line=$(grep '^Exec=' "$entry") || fail "the entry has no Exec line"
# The installed program when there is one (it outlives a build folder), else this one.
expected=$(command -v pensoir || readlink -f "$PENSOIR_BIN")
grep -qF "$expected" <<<"$exec_line" || fail "the entry does not start $expected: $exec_line"
grep -qF "PENSOIR_DIR=$PENSOIR_DIR" <<<"$exec_line" || fail "the entry does not pass the program folder: $exec_line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the entry is not a valid desktop entry"
fi

wait_focus "$main" || fail "the main window did not get the focus back"
click_start_at_login
# "Oui" is the question's default button.
answer_box 'Suppression de cette option'
answer_box 'Suppression du démarrage automatique de Pensoir'
[ ! -e "$entry" ] || fail "the autostart entry is still there after Oui"

quit_from_tray
echo "ok"
