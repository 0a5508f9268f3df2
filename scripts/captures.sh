#!/usr/bin/env bash
# Pictures of Pensoir, for checking its look by eye and for the documentation: the input dialog in its
# three uses, the icon chooser, the icon set, a memo window's text, move and options panels, the memo
# list, and the real program on a desktop with a memo and the tray menu open. Everything runs on a
# throw-away Xvfb desktop with openbox and the trayer tray host; the PNG files go into FOLDER.
# Usage: scripts/captures.sh FOLDER
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: scripts/captures.sh FOLDER" >&2
    exit 2
fi
mkdir -p "$1"
folder=$(cd "$1" && pwd)
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build --target pensoir guetteur pensoir_captures

export PENSOIR_BIN=$PWD/build/src/pensoir PENSOIR_GUETTEUR=$PWD/build/tests/e2e/guetteur E2E_SHOT_DIR=$folder
source tests/e2e/desktop.sh
start_desktop
xsetroot -solid '#3a6e8f'

# The windows one by one, drawn by the picture programs.
for program in build/tests/captures/captures_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    PENSOIR_CAPTURES_DIR=$folder PENSOIR_DIR="$E2E_TMP/$(basename "$program")" "$program" -silent ||
        fail "$program could not make its pictures"
done

# The program itself: a memo with some text, then the tray menu over it.
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"
new_memo
click_into_text "$MEMO"
# Of the accented letters, only those the desktop has keys for (see start_desktop).
for line in "Courses de la semaine :" "pain, fromage," "clémentines."; do
    xdotool type --delay 10 "$line"
    xdotool key Return
done
click_tray 3
menu=$(wait_popup_menu) || fail "no tray menu"
painted() { [ "$(import -window "$1" png:- | identify -format '%k' -)" -gt 1 ]; }
wait_until 10 painted "$menu" || fail "the tray menu was not drawn"
import -window root "$folder/bureau_menu.png"
xdotool key Escape
wait_popup_gone || fail "the tray menu stayed up"

ls "$folder"
