#!/usr/bin/env bash
# Pensoir's benchmark: start-up, memory, idle cost and in-process timings on a folder of memos made by the
# program's own writer, side by side with xpad (a sticky-note program from Debian) given the same notes.
#
#   bench/run.sh [--runs N] [--idle-runs N] [--idle-seconds S] [--no-idle] [--no-peer] [--build DIR]
#                [--prebuilt DIR]
#
# Installs what it needs (as root), builds a Release build in build-rel (or DIR; --prebuilt measures the
# programs of a build made earlier, without building), makes the folders, then
# runs every start-up measurement N times (7 by default), alternating Pensoir and xpad, on a fresh Xvfb
# desktop with a tray host each time: without a window manager, then with openbox. The start-up time runs
# from starting the program until all its always-open memos are mapped, as the X server tells it
# (bench/attente_fenetres). Each figure is the median of the runs with its spread (lowest-highest).
# Idle cost: CPU time and main-thread wake-ups over S seconds (60) after the first 15, with openbox,
# nothing armed and then one alarm armed. Timings go to stdout; programs' logs stay in the work folder.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=7 IDLE_RUNS=7 IDLE_SECONDS=60 IDLE_WARMUP=15 SETTLE=3 PEER=1 IDLE=1 BUILD=build-rel PREBUILT=
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) RUNS=$2; shift ;;
    --idle-runs) IDLE_RUNS=$2; shift ;;
    --idle-seconds) IDLE_SECONDS=$2; shift ;;
    --no-idle) IDLE=0 ;;
    --no-peer) PEER=0 ;;
    --build) BUILD=$2; shift ;;
    --prebuilt) PREBUILT=$2; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done

# What the measurement needs, from Debian's packages.
needed=(xvfb openbox trayer xpad xdotool libxcb1-dev)
missing=()
for package in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]} (apt-get install them as root)" >&2
        exit 1
    fi
    apt-get -o DPkg::Lock::Timeout=300 update -qq
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 install -y -qq "${missing[@]}" >/dev/null
fi
scripts/install-deps.sh

if [ -z "$PREBUILT" ]; then
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPENSOIR_TESTS=OFF -DPENSOIR_BENCH=ON >/dev/null
    ninja -C "$BUILD" -j2 pensoir dossier_de_mesure attente_fenetres mesures_internes >/dev/null
else
    BUILD=$PREBUILT
fi
BUILD=$(cd "$BUILD" && pwd)
PENSOIR="$BUILD/src/pensoir"
TOOLS="$BUILD/bench"

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    echo "work folder (logs): $WORK" >&2
}
trap cleanup EXIT
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
export QT_QPA_PLATFORM=xcb LANG=fr_FR.UTF-8 LC_NUMERIC=C

# The folders: the default one, an empty one, the default one with an alarm armed for later today.
armed=$(date -d '+2 hours' +%H:%M)
[ "$(date -d '+2 hours' +%F)" = "$(date +%F)" ] || armed=23:59
QT_QPA_PLATFORM=offscreen "$TOOLS/dossier_de_mesure" "$WORK/defaut" --xpad "$WORK/xpad-notes"
QT_QPA_PLATFORM=offscreen "$TOOLS/dossier_de_mesure" "$WORK/arme" --armee "$armed"
mkdir -p "$WORK/vide"
OPEN=100

wait_until() { # tenths of a second, command...
    local limit=$1; shift
    for ((i = 0; i < limit; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}

tray_host_is_up() { grep -q '("panel" "trayer")' <<<"$(xwininfo -root -tree 2>/dev/null)"; }

# A fresh desktop: Xvfb at 96 dpi, openbox when asked, a tray host.
start_desktop() { # with_wm
    local display_file="$WORK/display"
    rm -f "$display_file"
    exec 3>"$display_file"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    DESKTOP=($!)
    exec 3>&-
    wait_until 100 test -s "$display_file" || { echo "Xvfb did not start" >&2; exit 1; }
    DISPLAY=":$(cat "$display_file")"
    export DISPLAY
    if [ "$1" = 1 ]; then
        openbox --sm-disable >/dev/null 2>&1 &
        DESKTOP+=($!)
        wait_until 100 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || { echo "no openbox" >&2; exit 1; }
    fi
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true --transparent false \
        >/dev/null 2>&1 &
    DESKTOP+=($!)
    wait_until 100 tray_host_is_up || { echo "no tray host" >&2; exit 1; }
    PIDS+=("${DESKTOP[@]}")
}

stop_desktop() {
    for pid in "${DESKTOP[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${DESKTOP[@]}"; do wait "$pid" 2>/dev/null || true; done
}

stop_program() {
    kill "$1" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$1" 2>/dev/null || true
}

status_kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
# CPU time of the process, threads gone included, milliseconds; the main thread's context switches (each
# one a wait ended, that is a wake-up).
TICK_MS=$((1000 / $(getconf CLK_TCK)))
cpu_ms() { awk -v t="$TICK_MS" '{ sub(/^.*\) /, ""); print ($12 + $13) * t }' "/proc/$1/stat"; }
wakeups() {
    awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ { s += $2 } END { print s + 0 }' \
        "/proc/$1/task/$1/status"
}

record() { echo "$2" >>"$WORK/figures.$1"; } # name value

# One start-up: program (pensoir|xpad), window manager (0|1), folder; records time and memory.
startup_run() {
    local program=$1 wm=$2 folder=$3 tag=$1-wm$2
    start_desktop "$wm"
    local home="$WORK/home" result
    rm -rf "$home" && mkdir -p "$home/.config" "$WORK/runtime" && chmod 700 "$WORK/runtime"
    if [ "$program" = pensoir ]; then
        result=$(HOME=$home XDG_RUNTIME_DIR=$WORK/runtime LC_ALL=fr_FR.UTF-8 PENSOIR_DIR="$WORK/$folder" \
            "$TOOLS/attente_fenetres" pensoir "$OPEN" 48 120 "$WORK/$tag.log" -- "$PENSOIR")
    else
        cp -r "$WORK/xpad-notes" "$home/.config/xpad"
        result=$(HOME=$home XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$home/.config \
            "$TOOLS/attente_fenetres" xpad "$OPEN" 48 120 "$WORK/$tag.log" -- xpad)
    fi
    local seconds=${result%% *} pid=${result##* }
    PIDS+=("$pid")
    [ "$seconds" != timeout ] || { echo "$tag: not all windows mapped: $result" >&2; exit 1; }
    record "$tag.startup_s" "$seconds"
    sleep "$SETTLE"
    record "$tag.rss_peak_mb" "$(($(status_kb "$pid" VmHWM) / 1024))"
    record "$tag.rss_mb" "$(($(status_kb "$pid" VmRSS) / 1024))"
    # xpad does not always end on SIGTERM.
    [ "$program" = pensoir ] || kill -9 "$pid" 2>/dev/null || true
    stop_program "$pid"
    stop_desktop
}

# Pensoir with an empty folder: memory once it has had the time to start (it maps no window of its own).
empty_run() {
    start_desktop 1
    local result
    result=$(HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime LC_ALL=fr_FR.UTF-8 PENSOIR_DIR="$WORK/vide" \
        "$TOOLS/attente_fenetres" pensoir 0 1 60 "$WORK/vide.log" -- "$PENSOIR")
    local pid=${result##* }
    PIDS+=("$pid")
    sleep $((SETTLE + 3))
    record "pensoir-empty.rss_peak_mb" "$(($(status_kb "$pid" VmHWM) / 1024))"
    record "pensoir-empty.rss_mb" "$(($(status_kb "$pid" VmRSS) / 1024))"
    stop_program "$pid"
    stop_desktop
}

# Idle: the default folder under openbox, one memo clicked as a user would (its caret blinks until 10 s
# without a key or click), then left alone.
idle_run() { # folder tag
    start_desktop 1
    local result
    result=$(HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime LC_ALL=fr_FR.UTF-8 PENSOIR_DIR="$WORK/$1" \
        "$TOOLS/attente_fenetres" pensoir "$OPEN" 48 120 "$WORK/$2.log" -- "$PENSOIR")
    local pid=${result##* }
    PIDS+=("$pid")
    focus_a_memo "$pid"
    sleep "$IDLE_WARMUP"
    local cpu0 wake0
    cpu0=$(cpu_ms "$pid") wake0=$(wakeups "$pid")
    sleep "$IDLE_SECONDS"
    local cpu1 wake1
    cpu1=$(cpu_ms "$pid") wake1=$(wakeups "$pid")
    record "$2.cpu_ms" "$((cpu1 - cpu0))"
    record "$2.main_wakeups" "$((wake1 - wake0))"
    stop_program "$pid"
    stop_desktop
}

# Clicks into the middle of one of the program's memo windows (not its tray icon) and waits until one of
# its windows has the focus (memos overlap: the click may land on another one).
program_has_focus() { [ "$(xdotool getwindowpid "$(xdotool getwindowfocus 2>/dev/null)" 2>/dev/null)" = "$1" ]; }
focus_a_memo() { # pid
    local id memo= WINDOW X Y WIDTH HEIGHT SCREEN
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -ge 100 ] && { memo=$id; break; }
    done
    [ -n "$memo" ] || { echo "no memo window to click" >&2; exit 1; }
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    wait_until 100 program_has_focus "$1" || { echo "no memo took the focus from the click" >&2; exit 1; }
}

# Median and spread of a figure's runs: "median [lowest-highest]".
summary() {
    [ -f "$WORK/figures.$1" ] || { echo "-"; return; }
    sort -g "$WORK/figures.$1" | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.3g [%.3g-%.3g]", m, v[1], v[NR] }'
}
median() { sort -g "$WORK/figures.$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
for ((run = 1; run <= RUNS; run++)); do
    programs=(pensoir)
    if [ "$PEER" = 1 ]; then
        if ((run % 2)); then programs=(pensoir xpad); else programs=(xpad pensoir); fi
    fi
    for wm in 0 1; do
        for program in "${programs[@]}"; do startup_run "$program" "$wm" defaut; done
    done
    empty_run
    echo "start-up run $run/$RUNS done" >&2
done
if [ "$IDLE" = 1 ]; then
    for ((run = 1; run <= IDLE_RUNS; run++)); do
        idle_run defaut idle-unarmed
        idle_run arme idle-armed
        echo "idle run $run/$IDLE_RUNS done" >&2
    done
fi
QT_QPA_PLATFORM=offscreen "$TOOLS/mesures_internes" "$WORK/defaut" "$RUNS" >"$WORK/internes.txt" 2>"$WORK/internes.log"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "Default folder: 999 memos, $OPEN always open (20 with a picture), 50 protected, 30 alarms; medians of $RUNS runs [spread]"
printf '%-44s %-26s %-26s %s\n' "figure" "Pensoir" "xpad" "ratio"
for figure in wm0.startup_s wm1.startup_s wm0.rss_peak_mb wm0.rss_mb wm1.rss_peak_mb wm1.rss_mb; do
    ratio=-
    if [ "$PEER" = 1 ]; then
        ratio=$(awk -v a="$(median "pensoir-$figure")" -v b="$(median "xpad-$figure")" 'BEGIN { printf "%.2f", a / b }')
    fi
    label=${figure/wm0./no WM, }
    label=${label/wm1./openbox, }
    printf '%-44s %-26s %-26s %s\n' "$label" "$(summary "pensoir-$figure")" "$(summary "xpad-$figure")" "$ratio"
done
printf '%-44s %-26s\n' "empty folder, rss_peak_mb" "$(summary pensoir-empty.rss_peak_mb)"
printf '%-44s %-26s\n' "empty folder, rss_mb" "$(summary pensoir-empty.rss_mb)"
if [ "$IDLE" = 1 ]; then
    echo "Idle over ${IDLE_SECONDS} s after ${IDLE_WARMUP} s, openbox, medians of $IDLE_RUNS runs [spread]"
    for figure in idle-unarmed.cpu_ms idle-unarmed.main_wakeups idle-armed.cpu_ms idle-armed.main_wakeups; do
        printf '%-44s %-26s\n' "$figure" "$(summary "$figure")"
    done
fi
echo "In process (ms: median lowest highest)"
cat "$WORK/internes.txt"
