#!/usr/bin/env bash
# On a desktop without a printer, "Imprimer ce Mnémo › Mode texte" says so in one box and, on "Oui", saves
# the report as a PDF file where the user chooses: a name typed without its extension gets ".pdf", and
# the file holds the memo's lines with their accents.
source "$(dirname "$0")/desktop.sh"
command -v pdftotext >/dev/null || fail "missing tool: pdftotext (install the e2e packages)"

# No print server: this desktop has no printer, whatever the machine running the test has.
export CUPS_SERVER="$E2E_TMP/no-cups-here.sock"
start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

new_memo
memo=$MEMO
click_into_text "$memo"
xdotool type --delay 20 "Crème glacée"
xdotool key Return
xdotool type --delay 20 "deuxième ligne"

# The memo's popup menu from its icon: "Imprimer ce Mnémo" is its second entry, "Mode texte" the first
# of that submenu.
eval "$(xdotool getwindowgeometry --shell "$memo")"
xdotool mousemove $((X + 3 + 4 + 16)) $((Y + 3 + 15 + 26 + 16)) click 3
menu=$(wait_popup_menu) || fail "no popup menu on the memo's icon"
pointer_beside "$menu"
xdotool key Down Down Right Return
wait_popup_gone || fail "the popup menu stayed up"

box=$(find_window 'Impression du Mmémo : .*' 10) || fail "no confirmation"
[ -n "$box" ] || fail "no confirmation"
xdotool windowactivate --sync "$box" key Return
box=$(find_window 'erreur 482' 10) || fail "no box saying there is no printer"
[ -n "$box" ] || fail "no box saying there is no printer"
xdotool windowactivate --sync "$box" key Return

dialog=$(find_window "Enregistrer l'impression en PDF" 10) || fail "no file dialog"
[ -n "$dialog" ] || fail "no file dialog"
wait_focus "$dialog" 10 || xdotool windowactivate --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 10 "$E2E_TMP/rapport"
xdotool key Return

pdf=$(wait_file_complete "$E2E_TMP/rapport.pdf" 20 $'%%EOF\n') || fail "no PDF file was written"
text=$(pdftotext -layout -enc UTF-8 "$pdf" -)
previous=0
for line in "IMPRESSION DU .* ( Début du mnémo )" "Crème glacée" "deuxième ligne" "IMPRESSION DU .* ( Fin du mnémo )"; do
    at=$(grep -n -m 1 -- "$line" <<<"$text" | cut -d: -f1) || fail "« $line » is not in the PDF: $text"
    [ -n "$at" ] && [ "$at" -gt "$previous" ] || fail "« $line » is missing or out of order in: $text"
    previous=$at
done
# The box about the printer was the only one: no error box follows the file.
no_error_box() { ! xdotool search --onlyvisible --name '^erreur .*' >/dev/null 2>&1; }
no_error_box || fail "an error box came with the PDF"

# The memo was typed in: quitting asks about it; Escape lets it go.
tray_menu_choose 2
box=$(find_window 'Mmémo : .*' 10) || fail "no save question on quitting"
[ -n "$box" ] || fail "no save question on quitting"
xdotool windowactivate --sync "$box" key Escape
wait_exit "$PENSOIR_PID" 10 || fail "Quitter did not end the program"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
echo ok
