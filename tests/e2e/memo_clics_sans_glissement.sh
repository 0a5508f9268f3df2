#!/usr/bin/env bash
# Clicks on a memo's caption bar and on its resizing edge that are not drags leave the window where it
# is: a right click, a left click whose press and release come at once (a touchpad tap), then a pointer
# move. Only a left button held down and moved starts the desktop's move.
source "$(dirname "$0")/desktop.sh"

start_desktop
start_pensoir
wait_tray_icon || fail "the tray icon was not embedded"

# A new memo starts in move mode, with its caption bar.
new_memo
memo=$MEMO
eval "$(xdotool getwindowgeometry --shell "$memo")"
before="$X $Y $WIDTH $HEIGHT"

# The caption bar lies inside the 3-pixel edge, 15 pixels high; the call-menu button below it, at the
# client area's top left corner.
bar_x=$((X + 60)) bar_y=$((Y + 3 + 7))
menu_x=$((X + 3 + 9)) menu_y=$((Y + 3 + 15 + 2 + 8))

# After the clicks and a move, a click on the call-menu button: it opens the memo's menu only if no move
# of the desktop holds the pointer, and once the menu is up every earlier event has been handled. A case
# that fails is noted and the desktop's move, if any, cancelled, so that the next cases still run.
faults=()
clicks_then_check() { # what, x, y, button...
    local what=$1 x=$2 y=$3 menu
    shift 3
    xdotool mousemove "$x" "$y"
    for button in "$@"; do xdotool click "$button"; done
    xdotool mousemove $((x + 200)) $((y + 150)) mousemove $((x + 220)) $((y + 170))
    xdotool mousemove "$menu_x" "$menu_y" click 1
    if ! menu=$(wait_popup_menu 5); then
        faults+=("$what: the memo's menu did not open (the pointer is held by a move?)")
        xdotool key Escape
        return 0
    fi
    eval "$(xdotool getwindowgeometry --shell "$memo")"
    [ "$X $Y $WIDTH $HEIGHT" = "$before" ] ||
        faults+=("$what: the memo went from $before to $X $Y $WIDTH $HEIGHT")
    xdotool key Escape
    wait_popup_gone || fail "$what: the memo's menu $menu stayed up"
    eval "$(xdotool getwindowgeometry --shell "$memo")"
    before="$X $Y $WIDTH $HEIGHT"
}

clicks_then_check "right click on the caption bar" "$bar_x" "$bar_y" 3
clicks_then_check "quick left click on the caption bar" "$bar_x" "$bar_y" 1
clicks_then_check "right then quick left click on the caption bar" "$bar_x" "$bar_y" 3 1
clicks_then_check "middle click on the caption bar" "$bar_x" "$bar_y" 2
clicks_then_check "quick left click on the right edge" $((X + WIDTH - 2)) $((Y + HEIGHT / 2)) 1
clicks_then_check "right click on the bottom edge" $((X + WIDTH / 2)) $((Y + HEIGHT - 2)) 3
if [ ${#faults[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${faults[@]}" >&2
    exit 1
fi

# A real drag still moves the window: left button held, pointer carried, released. The window manager
# takes the move over once the drag distance is passed, and follows the pointer's later moves: the
# pointer goes on a few pixels at a time until the window has moved.
xdotool mousemove "$bar_x" "$bar_y" mousedown 1
moved() {
    eval "$(xdotool getwindowgeometry --shell "$memo")"
    [ "$X $Y" != "${before% * *}" ]
}
dragged=
for step in $(seq 9 4 129); do
    xdotool mousemove $((bar_x + step)) $((bar_y + step))
    if wait_until 1 moved; then dragged=1; break; fi
done
xdotool mouseup 1
[ -n "$dragged" ] || fail "a drag on the caption bar did not move the memo"

quit_from_tray
echo ok
