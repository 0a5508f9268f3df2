#!/usr/bin/env bash
# A memo's text copied with "Copier" reaches another program; 50 MB of text or a 20000 × 20000 picture from
# another program is refused with a message; a picture another program put on the clipboard, pasted with
# "Coller" and saved, is in the memo's picture file and reads back.
source "$(dirname "$0")/desktop.sh"
command -v xclip >/dev/null || fail "missing tool: xclip (install the e2e packages)"
command -v identify >/dev/null || fail "missing tool: identify (install the e2e packages)"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

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

new_memo
memo=$MEMO
eval "$(xdotool getwindowgeometry --shell "$memo")"
# The memo icon, under the caption bar: 4 × 26 pixels into the client area.
icon_x=$((X + 3 + 4 + 16)) icon_y=$((Y + 3 + 15 + 26 + 16))

click_into_text "$memo"
xdotool type --delay 20 "Bonjour presse-papier"

# "Copier" with no selection: the whole text, for any program to read.
memo_menu_choose_from_end $COPIER
wait_until 10 clipboard_is "Bonjour presse-papier" || fail "the clipboard holds '$(clipboard_text)', not the memo's text"

# Answers the box of that title with its only button, and waits until it is gone.
answer_box() { # title
    local box
    box=$(find_window "$1" 20) || fail "no box \"$1\""
    [ -n "$box" ] || fail "no box \"$1\""
    xdotool windowactivate --sync "$box"
    wait_focus "$box" || fail "the box \"$1\" did not get the focus"
    xdotool key Return
    wait_until 10 window_is_gone "$1" || fail "the box \"$1\" stayed"
}

# Serves a file on the clipboard as the given type, until killed (or until another program takes the
# clipboard); returns once the clipboard gives that file back: until then an earlier owner still answers.
clipboard_holds() { cmp -s "$1" <(timeout 10 xclip -selection clipboard -t "$2" -o 2>/dev/null); }
serve_clipboard() { # file type
    xclip -quiet -selection clipboard -t "$2" -i "$1" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_until 20 clipboard_holds "$1" "$2" || fail "xclip does not offer $1 as $2"
}

# 50 MB of text from another program: refused with a message, the memo's text left as it was.
long_text="$E2E_TMP/long.txt"
yes 'Cinquante mégaoctets de texte' | head -c $((50 * 1024 * 1024)) >"$long_text" || true
serve_clipboard "$long_text" UTF8_STRING
memo_menu_choose_from_end $COLLER
answer_box Coller

# A PNG whose header says 20000 × 20000: refused from its header, before it is decoded. The header's
# checksum is the CRC-32 that gzip keeps too (little-endian at the end of its output).
picture="$E2E_TMP/rouge.png"
convert -size 40x30 xc:'#ff0000' "$picture" || fail "could not make the picture"
huge="$E2E_TMP/immense.png"
header="$E2E_TMP/entete"
{ head -c 16 "$picture" | tail -c 4; printf '\x00\x00\x4e\x20\x00\x00\x4e\x20'; head -c 29 "$picture" | tail -c 5; } >"$header"
read -r c0 c1 c2 c3 < <(gzip -c <"$header" | tail -c 8 | head -c 4 | od -An -tx1)
{ head -c 8 "$picture"; head -c 12 "$picture" | tail -c 4; cat "$header"; printf "\\x$c3\\x$c2\\x$c1\\x$c0"; tail -c +34 "$picture"; } >"$huge"
serve_clipboard "$huge" image/png
memo_menu_choose_from_end $COLLER
answer_box Coller

# Another program puts a picture there, only as image/png, until it is killed.
serve_clipboard "$picture" image/png

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

# Neither refused paste reached the memo.
grep -q '"Bonjour presse-papier"' "$record" || fail "the saved text is not the memo's own"

quit_from_tray
echo ok
