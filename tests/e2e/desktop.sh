#!/usr/bin/env bash
# A throw-away desktop for end-to-end journeys: Xvfb at 96 dpi, openbox and a trayer tray host, with
# helpers to start the real program and drive it with xdotool. Source it; everything it starts is
# killed on exit.
#
# No step sleeps for a set time to let the program catch up: each one waits, with a bound, for what it
# needs (a window, the focus, a popup menu, a whole file) and fails with a message when it never comes.
# Between two looks a wait blocks until the watcher (guetteur.cpp) tells of a change on the X server or
# in the test's folder.
set -euo pipefail

: "${PENSOIR_BIN:?PENSOIR_BIN must name the pensoir executable}"
: "${PENSOIR_GUETTEUR:?PENSOIR_GUETTEUR must name the watcher of the journeys (target guetteur)}"
for tool in Xvfb xmodmap openbox trayer xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (install the e2e packages)" >&2; exit 1; }
done
locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$' || { echo "the fr_FR.UTF-8 locale is missing" >&2; exit 1; }

E2E_TMP=$(mktemp -d)
E2E_PIDS=()     # everything the test started, killed at its end
E2E_STARTERS=() # the shells that wait for each start of the program
export HOME="$E2E_TMP/home" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export QT_QPA_PLATFORM=xcb LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8

cleanup() {
    local status=$?
    # The screen as the failure left it, before the desktop goes.
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "${E2E_SHOT_DIR:-.}/e2e-failure-$(basename "$0" .sh).png" 2>/dev/null || true
        echo "program log:" >&2
        cat "$E2E_TMP/pensoir.log" >&2 2>/dev/null || true
    fi
    # Nothing outlives the test: killed outright, then collected, the shells that waited for the program
    # included, before their folder goes.
    for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    wait "${E2E_PIDS[@]}" "${E2E_STARTERS[@]}" 2>/dev/null || true
    rm -rf "$E2E_TMP"
    exit "$status"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Microseconds since the epoch (the variable's decimal mark follows the locale).
now_us() { echo $((10#${EPOCHREALTIME//[!0-9]/})); }

# Runs the command until it succeeds, for at most the given seconds; between two runs, blocks until the
# watcher reports a change (a byte left from an earlier change only makes it look once more).
wait_until() { # seconds, command...
    # The command runs inside: names of its own that no caller's variable is hidden by.
    local wait_deadline=$(($(now_us) + $1 * 1000000)) wait_left wait_seconds wait_byte
    shift
    until "$@"; do
        wait_left=$((wait_deadline - $(now_us)))
        [ "$wait_left" -gt 0 ] || return 1
        printf -v wait_seconds '%d.%06d' $((wait_left / 1000000)) $((wait_left % 1000000))
        read -r -N 1 -t "$wait_seconds" -u "$E2E_CHANGES" wait_byte || true
    done
}

tray_host_is_up() { grep -q '("panel" "trayer")' <<<"$(xwininfo -root -tree 2>/dev/null)"; }

start_desktop() {
    local display number ready
    # Pipes opened for reading and writing: opening them waits for nobody, and they never read as ended.
    mkfifo "$E2E_TMP/display" "$E2E_TMP/changes"
    exec {display}<>"$E2E_TMP/display" {E2E_CHANGES}<>"$E2E_TMP/changes"
    # -noreset: the server would otherwise start afresh, keymap included, each time its last client
    # leaves, as xmodmap does below. It writes its display number once it takes connections.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset 3>&"$display" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    read -r -t 10 -u "$display" number || fail "Xvfb did not start"
    exec {display}<&-
    export DISPLAY=":$number"
    "$PENSOIR_GUETTEUR" "$E2E_TMP/changes" "$E2E_TMP" &
    E2E_PIDS+=($!)
    read -r -N 1 -t 10 -u "$E2E_CHANGES" ready || fail "the watcher did not start"
    # Letters missing from Xvfb's US keymap get keys of their own: xdotool would otherwise map a spare
    # key for an instant, and a busy program reads the key after it is gone. Before the window manager
    # and the tray host, which read the keymap when they start.
    xmodmap -e "keycode 248 = eacute Eacute" -e "keycode 250 = egrave Egrave" || fail "xmodmap failed"
    grep -q '^keycode 250 = egrave' <<<"$(xmodmap -pke)" || fail "the keys of the accented letters were not kept"
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_until 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "no window manager"
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        --transparent false >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_until 10 tray_host_is_up || fail "no tray host"
}

# Starts the program with a fresh program folder unless PENSOIR_DIR is set; leaves its PID in PENSOIR_PID.
start_pensoir() {
    export PENSOIR_DIR="${PENSOIR_DIR:-$E2E_TMP/pensoir}"
    mkdir -p "$PENSOIR_DIR"
    local started
    # A shell of its own waits for the program and puts its exit code, whole, in fin.PID, where wait_exit
    # finds it.
    exec {started}< <(
        "$PENSOIR_BIN" >>"$E2E_TMP/pensoir.log" 2>&1 &
        program=$!
        echo "$program"
        exec >/dev/null
        code=0
        wait "$program" || code=$?
        echo "$code" >"$E2E_TMP/fin.$program.tmp" && mv "$E2E_TMP/fin.$program.tmp" "$E2E_TMP/fin.$program"
    )
    E2E_STARTERS+=($!)
    read -r -t 10 -u "$started" PENSOIR_PID || fail "the program did not start"
    exec {started}<&-
    E2E_PIDS+=("$PENSOIR_PID")
}

# The tray icon of the program (or of the process given): its window embedded below trayer's panel.
# Prints its id.
tray_icon_of() { # [pid]
    local icons id
    # The windows of the panel's subtree: below its line, indented deeper than it.
    icons=$(xwininfo -root -tree | awk '
        match($0, /^ */) && depth && RLENGTH <= depth {exit}
        depth && /[Pp]ensoir/ {print $1}
        /\("panel" "trayer"\)/ {match($0, /^ */); depth = RLENGTH}')
    for id in $(xdotool search --pid "${1:-$PENSOIR_PID}" 2>/dev/null); do
        printf -v id '0x%x' "$id"
        grep -qx "$id" <<<"$icons" && { echo "$id"; return 0; }
    done
    return 1
}

# Prints "X Y" of the centre of the program's tray icon.
tray_icon_centre() { # [pid]
    local id geometry x y w h
    id=$(tray_icon_of "$@") || return 1
    geometry=$(xwininfo -id "$id") || return 1
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
    w=$(awk '/Width:/ {print $2}' <<<"$geometry")
    h=$(awk '/Height:/ {print $2}' <<<"$geometry")
    [ "$w" -gt 1 ] && grep -q IsViewable <<<"$geometry" || return 1
    echo "$((x + w / 2)) $((y + h / 2))"
}

tray_is_embedded() { tray_icon_centre "$@" >/dev/null 2>&1; }

# Waits until the program (or the process given) has its icon in the tray: the program has started. The
# bound leaves room for a machine that is busy with other work.
wait_tray_icon() { # [pid]
    wait_until 30 tray_is_embedded "$@"
}

# The window tree can change while it is read (a box closing) and read as nothing: looked at again.
tray_centre_known() { TRAY_CENTRE=$(tray_icon_centre 2>/dev/null); }

click_tray() { # button
    wait_until 10 tray_centre_known || fail "no tray icon"
    # shellcheck disable=SC2086
    xdotool mousemove $TRAY_CENTRE click "$1"
}

# Leaves in FOUND the first visible window that xdotool search finds with the given options.
window_found() { # search options...
    FOUND=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
    [ -n "$FOUND" ]
}

# Visible window whose title matches the regular expression exactly; prints its id.
find_window() { # title-regex [seconds]
    wait_until "${2:-5}" window_found --name "^$1\$" && echo "$FOUND"
}

# Visible window of one process whose title matches exactly; prints its id. (--all: without it xdotool
# takes a window that meets either condition.)
find_window_of() { # pid title-regex [seconds]
    wait_until "${3:-5}" window_found --all --pid "$1" --name "^$2\$" && echo "$FOUND"
}

window_is_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# The program's popup menu, while one is on the screen: a top-level override-redirect window of its own
# that is not a tooltip and is taller than a one-line one. Prints its id.
POPUP_MIN_HEIGHT=30
popup_menu() { # [pid]
    local top id info
    top=$(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}')
    for id in $(xdotool search --onlyvisible --pid "${1:-$PENSOIR_PID}" 2>/dev/null); do
        printf -v id '0x%x' "$id"
        grep -qx "$id" <<<"$top" || continue
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        grep -q 'Override Redirect State: yes' <<<"$info" || continue
        grep -q IsViewable <<<"$info" || continue
        [ "$(awk '/Height:/ {print $2}' <<<"$info")" -gt "$POPUP_MIN_HEIGHT" ] || continue
        grep -q TOOLTIP <<<"$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null)" && continue
        echo "$id"
        return 0
    done
    return 1
}

# Waits until the program's popup menu is up and prints its id.
wait_popup_menu() { # [seconds] [pid]
    wait_until "${1:-10}" popup_menu "${2:-}"
}

no_popup_menu() { ! popup_menu "$@" >/dev/null; }

wait_popup_gone() { # [seconds] [pid]
    wait_until "${1:-10}" no_popup_menu "${2:-}"
}

# Waits until the window has the keyboard focus, so that keys typed next go to it.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(($1))" ]; }

wait_focus() { # window [seconds]
    wait_until "${2:-10}" has_focus "$1"
}

# Whether a file matching the pattern is there and whole, leaving its path in FOUND. Whole: it ends with
# the given bytes; without them, it is not empty, which suits only a file put in place by a rename.
file_complete() { # pattern [last-bytes]
    FOUND=$(compgen -G "$1" | head -n 1 || true)
    [ -n "$FOUND" ] && [ -s "$FOUND" ] || return 1
    [ -z "${2:-}" ] || cmp -s <(tail -c "$(printf '%s' "$2" | wc -c)" "$FOUND") <(printf '%s' "$2")
}

# Waits until a file matching the path (a glob pattern is allowed) is there and whole, and prints its
# path.
wait_file_complete() { # path [seconds] [last-bytes]
    wait_until "${2:-10}" file_complete "$1" "${3:-}" && echo "$FOUND"
}

# Moves the pointer beside a window, off it: over a menu it would select the entry below it.
pointer_beside() { # window
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    if [ "$X" -gt 20 ]; then X=$((X - 10)); else X=$((X + WIDTH + 10)); fi
    xdotool mousemove "$X" $((Y + HEIGHT / 2))
}

# Opens the program's popup menu with the given command (a right click) and chooses the entry at
# position n (1 = first) with the keyboard; returns once the menu is gone.
popup_menu_choose() { # n command...
    local n=$1 i attempt menu=
    shift
    # A click that opens nothing (seen now and then on a busy desktop, the first one on the tray icon
    # after start-up) is given again.
    for attempt in 1 2 3; do
        "$@"
        menu=$(wait_popup_menu 5) && break
    done
    [ -n "$menu" ] || fail "no popup menu after: $*"
    pointer_beside "$menu"
    for ((i = 0; i < n; i++)); do xdotool key Down; done
    xdotool key Return
    wait_popup_gone || fail "the popup menu $menu stayed up"
}

# Chooses the tray menu entry at position n (1 = first), from a right click on the icon.
tray_menu_choose() { # n
    popup_menu_choose "$1" click_tray 3
}

# Waits for a start of the program to end, and leaves its exit code in EXIT_CODE.
wait_exit() { # pid seconds
    wait_until "$2" test -e "$E2E_TMP/fin.$1" || return 1
    EXIT_CODE=$(<"$E2E_TMP/fin.$1")
}

# "Créer un nouveau Mnémo", the third entry of the tray menu; leaves the new window's id in MEMO.
new_memo() {
    tray_menu_choose 3
    MEMO=$(find_window 'Mnémo du .*' 10) && [ -n "$MEMO" ] || fail "no new memo window"
}

# Clicks into a memo's text and waits until its window has the keyboard, so that keys typed next go there.
click_into_text() { # window
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + 150)) $((Y + 150)) click 1
    wait_focus "$1" || fail "the memo window did not get the focus"
}

# Quits from the tray menu ("&Quitter" is its second entry) and checks the program ends with code 0.
quit_from_tray() {
    tray_menu_choose 2
    wait_exit "$PENSOIR_PID" 10 || fail "Quitter did not end the program"
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
}
