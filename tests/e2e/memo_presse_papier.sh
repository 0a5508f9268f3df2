#!/usr/bin/env bash
# A memo's text copied with "Copier" reaches another program; a picture another program put on the
# clipboard, pasted with "Coller" and saved, is in the memo's picture file and reads back.
source "$(dirname "$0")/desktop.sh"
command -v xclip >/dev/null || fail "missing tool: xclip (install the e2e packages)"
command -v identify >/dev/null || fail "missing tool: identify (install the e2e packages)"

start_desktop
start_pensoir
wait_until 10 tray_is_embedded || fail "the tray icon was not embedded"

# The clipboard entries close the memo's popup menu: counted from its end, whatever comes above them.
# (Up from no entry starts at the last one.)
COLLER=1 COPIER=2
memo_menu_choose_from_end() { # n
    local i menu
    xdotool mousemove "$icon_x" "$icon_y" click 3
    menu=$(wait_popup_menu) || fail "no popup menu on the memo icon"
    pointer_beside "$menu"
    for ((i = 0; i < $1; i++)); do xdotool key Up; done
    xdotool key Return
    wait_popup_gone || fail "the popup menu $menu stayed up"
}

clipboard_text() { timeout 5 xclip -selection clipboard -o 2>/dev/null; }
clipboard_is() { [ "$(clipboard_text)" = "$1" ]; }
clipboard_offers() { grep -qx "$1" <<<"$(timeout 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null)"; }

tray_menu_choose 3
memo=$(find_window 'Mnémo du .*' 10) || fail "no new memo window"
[ -n "$memo" ] || fail "no new memo window"
eval "$(xdotool getwindowgeometry --shell "$memo")"
# The memo icon, under the caption bar: 4 × 26 pixels into the client area.
icon_x=$((X + 3 + 4 + 16)) icon_y=$((Y + 3 + 15 + 26 + 16))

xdotool mousemove $((X + 150)) $((Y + 150)) click 1
wait_focus "$memo" || fail "the memo window did not get the focus"
xdotool type --delay 20 "Bonjour presse-papier"

# "Copier" with no selection: the whole text, for any program to read.
memo_menu_choose_from_end $COPIER
wait_until 10 clipboard_is "Bonjour presse-papier" || fail "the clipboard holds '$(clipboard_text)', not the memo's text"

# Another program puts a picture there, only as image/png, until it is killed.
picture="$E2E_TMP/rouge.png"
convert -size 40x30 xc:'#ff0000' "$picture" || fail "could not make the picture"
xclip -quiet -selection clipboard -t image/png -i "$picture" >/dev/null 2>&1 &
E2E_PIDS+=($!)
wait_until 10 clipboard_offers image/png || fail "xclip does not offer the picture"

# "Coller": a picture alone goes in without a question; then "Sauvegarder ce Mnémo".
memo_menu_choose_from_end $COLLER
popup_menu_choose 1 xdotool mousemove "$icon_x" "$icon_y" click 3

record=$(wait_file_complete "$PENSOIR_DIR/Mnemos/*.PSL" 10 $'"--------"\r\n') || fail "no record file was written"
# Written aside and renamed into place: once there it is whole.
stored=$(wait_file_complete "${record%.PSL}.PS2" 10) || fail "no picture file was written"
# One filler byte, then the picture as a bitmap.
tail -c +2 "$stored" >"$E2E_TMP/relue.bmp"
[ "$(head -c 2 "$E2E_TMP/relue.bmp")" = BM ] && [ "$(identify -format '%w %h' "$E2E_TMP/relue.bmp" 2>/dev/null)" = "40 30" ] ||
    fail "the picture file does not read back as the 40 × 30 bitmap: $(identify "$E2E_TMP/relue.bmp" 2>&1)"
[ "$(convert "$E2E_TMP/relue.bmp" -format '%[hex:p{20,15}]' info: 2>/dev/null)" = "FF0000" ] ||
    fail "the picture read back is not the one pasted"

quit_from_tray
echo ok
