#!/usr/bin/env bash
# A throw-away desktop for end-to-end journeys: Xvfb at 96 dpi, openbox and a trayer tray host, with
# helpers to start the real program and drive it with xdotool. Source it; everything it starts is
# killed on exit.
set -euo pipefail

: "${PENSOIR_BIN:?PENSOIR_BIN must name the pensoir executable}"
for tool in Xvfb openbox trayer xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (install the e2e packages)" >&2; exit 1; }
done
locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$' || { echo "the fr_FR.UTF-8 locale is missing" >&2; exit 1; }

E2E_TMP=$(mktemp -d)
E2E_PIDS=()
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
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    sleep 0.2
    for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    rm -rf "$E2E_TMP"
    exit "$status"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

wait_until() { # seconds, command...
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

tray_host_is_up() { grep -q '("panel" "trayer")' <<<"$(xwininfo -root -tree 2>/dev/null)"; }

start_desktop() {
    exec 3>"$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    exec 3>&-
    wait_until 10 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$E2E_TMP/display")"
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
    "$PENSOIR_BIN" >>"$E2E_TMP/pensoir.log" 2>&1 &
    PENSOIR_PID=$!
    E2E_PIDS+=("$PENSOIR_PID")
}

# The tray icon: the program's window embedded below trayer's panel. Prints "X Y" of its centre.
tray_icon_centre() {
    local id
    id=$(xwininfo -root -tree | awk '/\("panel" "trayer"\)/ {found=1; next} found && /[Pp]ensoir/ {print $1; exit}')
    [ -n "$id" ] || return 1
    local geometry
    geometry=$(xwininfo -id "$id") || return 1
    local x y w h
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
    w=$(awk '/Width:/ {print $2}' <<<"$geometry")
    h=$(awk '/Height:/ {print $2}' <<<"$geometry")
    [ "$w" -gt 1 ] || return 1
    echo "$((x + w / 2)) $((y + h / 2))"
}

tray_is_embedded() { tray_icon_centre >/dev/null; }

click_tray() { # button
    local centre
    centre=$(tray_icon_centre) || fail "no tray icon"
    # shellcheck disable=SC2086
    xdotool mousemove $centre click "$1"
}

# Visible window whose title matches the regular expression exactly; prints its id.
find_window() { # title-regex [seconds]
    timeout "${2:-5}" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Visible window of one process whose title matches exactly; prints its id.
find_window_of() { # pid title-regex [seconds]
    timeout "${3:-5}" xdotool search --sync --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1
}

window_is_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Chooses the tray menu entry at position n (1 = first), from a right click on the icon.
tray_menu_choose() { # n
    click_tray 3
    sleep 0.5
    xdotool mousemove 0 400
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Return
}

# Waits for a program started here to end, and leaves its exit code in EXIT_CODE. It must run in this
# shell, not in $(...): only the parent can collect the code.
wait_exit() { # pid seconds
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null && ! grep -q '^Z' <<<"$(ps -o stat= -p "$1" 2>/dev/null)"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
    EXIT_CODE=0
    wait "$1" || EXIT_CODE=$?
}

# Quits from the tray menu ("&Quitter" is its second entry) and checks the program ends with code 0.
quit_from_tray() {
    tray_menu_choose 2
    wait_exit "$PENSOIR_PID" 10 || fail "Quitter did not end the program"
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
}
