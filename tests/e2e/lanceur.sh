#!/usr/bin/env bash
# Launcher entries read from Menus/MenuOptions.txt at start-up follow the four commands of the tray menu
# (separators and the hidden placeholder are passed over by the keyboard); choosing one starts its
# program. "Ajout menu" adds one more through the real file dialog and input box and appends it to the
# file; "&Quitter" then ends the program with exit code 0. The program starts as on a Wayland session with
# XWayland: it runs on X11 all the same, and the programs it starts choose their own Qt platform.
source "$(dirname "$0")/desktop.sh"

export PENSOIR_DIR="$E2E_TMP/pensoir"
outils="$E2E_TMP/outils avec blancs"
mkdir -p "$PENSOIR_DIR/Menus" "$outils"

# Each script leaves a marker named after itself, written whole, with the Qt platform it was given.
for name in premier second troisieme; do
    cat >"$outils/$name.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\${QT_QPA_PLATFORM-(aucune)}" "\$@" >"$E2E_TMP/$name.tmp" &&
    mv "$E2E_TMP/$name.tmp" "$E2E_TMP/$name.marqueur"
SCRIPT
    chmod +x "$outils/$name.sh"
done
printf '"1 - premier.sh"\r\n"%s"\r\n"2 - &second, avec virgule"\r\n"%s"\r\n' \
    "$outils/premier.sh" "$outils/second.sh" >"$PENSOIR_DIR/Menus/MenuOptions.txt"

start_desktop
# No Wayland compositor listens there: only the program's own choice of X11 brings its tray icon.
WAYLAND_DISPLAY=wayland-pensoir-e2e QT_QPA_PLATFORM= start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# &Masquer, &Quitter, Créer…, Afficher…, then the launcher entries: the second one is sixth.
tray_menu_choose 6
wait_until 10 test -f "$E2E_TMP/second.marqueur" || fail "the second launcher entry did not start its program"
[ ! -e "$E2E_TMP/premier.marqueur" ] || fail "the first launcher entry ran as well"
[ "$(head -n 1 "$E2E_TMP/second.marqueur")" = "(aucune)" ] ||
    fail "the started program was handed the Qt platform: $(head -n 1 "$E2E_TMP/second.marqueur")"
kill -0 "$PENSOIR_PID" || fail "the program ended after starting a launcher entry"

tray_menu_choose 5
wait_until 10 test -f "$E2E_TMP/premier.marqueur" || fail "the first launcher entry did not start its program"

# "Ajout menu", the second button of the column (30, 420 twips; 121 × 25 pixels at 96 dpi).
click_tray 1
main=$(find_window '      Pensoir') || fail "a left click did not show the main window"
wait_focus "$main" || fail "the main window did not get the focus"
xdotool mousemove --window "$main" 62 40 click 1
dialog=$(find_window 'Selectionner le programme à lancer' 10) || fail "Ajout menu showed no file dialog"
xdotool windowactivate --sync "$dialog"
wait_focus "$dialog" || fail "the file dialog did not get the focus"
xdotool type --delay 20 "$outils/troisieme.sh"
xdotool key Return
input_box_has_focus() {
    local box
    box=$(xdotool getactivewindow 2>/dev/null) && [ "$(xdotool getwindowname "$box")" = Pensoir ] && has_focus "$box"
}
wait_until 10 input_box_has_focus || fail "no input box for the caption"
xdotool key Return

printf '"3 - troisieme.sh"\r\n"%s"\r\n' "$outils/troisieme.sh" | iconv -f UTF-8 -t CP1252 >"$E2E_TMP/attendu"
appended() { tail -c "$(stat -c %s "$E2E_TMP/attendu")" "$PENSOIR_DIR/Menus/MenuOptions.txt" | cmp -s - "$E2E_TMP/attendu"; }
wait_until 10 appended || fail "the new entry was not appended to MenuOptions.txt"
tray_menu_choose 7
wait_until 10 test -f "$E2E_TMP/troisieme.marqueur" || fail "the added entry did not start its program"

quit_from_tray
echo "ok"
