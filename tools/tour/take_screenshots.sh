#!/usr/bin/env bash
# Re-takes the README's screenshots (docs/*.png) from the simulated bench, in a private X server.
#   tools/tour/take_screenshots.sh [preset]     preset: default (the default) or asan
# Build first: cmake --preset default && cmake --build --preset default --target kovran kovran-sim
# Needs Xvfb, xdotool and ImageMagick (import, convert), which kovran.sh installs; optipng is used when present.
#
# There is no window manager: every window opens at a fixed place on a 1600x900 screen, so the clicks
# below are screen positions. After a change of layout, run the script and look at the pictures again.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../.."

preset=${1:-default}
sim=build/$preset/tools/sim/kovran-sim
app=build/$preset/src/kovran
out=docs
width=1200

for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "take_screenshots.sh: $tool is missing" >&2; exit 1; }
done
for exe in "$sim" "$app"; do
    [ -x "$exe" ] || { echo "take_screenshots.sh: $exe is not built" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kovran-tour.XXXXXX")
xvfb_pid= sim_pid= app_pid=

stop_bench() {
    local pid
    for pid in "$app_pid" "$sim_pid"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    app_pid= sim_pid=
}

cleanup() {
    stop_bench
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display nobody uses.
display=
for n in $(seq 93 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "take_screenshots.sh: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "take_screenshots.sh: Xvfb did not start" >&2; exit 1; }

# start_bench NAME TITLE [FILE:LINE...] -- SIM-OPTIONS...
#   A fresh settings folder with the given lines in its ini files, the simulated bench, and KOVRAN on both; returns
#   once a window whose title matches TITLE is shown and has had time to fill.
start_bench() {
    local name=$1 title=$2 dir=$work/$1 line keyboards
    shift 2
    mkdir -p "$dir/settings" "$dir/ports"
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        printf '%s\n' "${1#*:}" >>"$dir/settings/${1%%:*}"
        shift
    done
    shift
    "$sim" "$@" --link-dir "$dir/ports" --print-env --write-config "$dir/settings" >"$dir/sim.env" 2>"$dir/sim.log" &
    sim_pid=$!
    for _ in $(seq 50); do
        line=$(grep -m1 '^KOVRAN_VIRTUAL_PORTS=' "$dir/sim.env" || true)
        [ -n "$line" ] && break
        sleep 0.2
    done
    [ -n "$line" ] || { echo "take_screenshots.sh: the simulated bench did not start" >&2; exit 1; }
    keyboards=$(grep -m1 '^KOVRAN_VIRTUAL_KEYBOARDS=' "$dir/sim.env" || true)
    local extra=()
    [ -n "$keyboards" ] && extra=("$keyboards")
    env "${extra[@]}" KOVRAN_VIRTUAL_PORTS="${line#KOVRAN_VIRTUAL_PORTS=}" KOVRAN_SETTINGS_DIR="$dir/settings" \
        KOVRAN_NRF_DRIVER=simulated "$app" >"$dir/kovran.log" 2>&1 &
    app_pid=$!
    for _ in $(seq 60); do
        xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
        sleep 0.5
    done
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 ||
        { echo "take_screenshots.sh: no window \"$title\" (log: $dir/kovran.log)" >&2; cat "$dir/kovran.log" >&2; exit 1; }
    sleep 4
}

click() {
    xdotool mousemove "$1" "$2" click 1
    sleep "${3:-0.3}"
}

# fill X Y TEXT: replaces the text of the line edit at X,Y.
fill() {
    click "$1" "$2" 0.1
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$3"
}

# shot NAME [WINDOW-TITLE]: the whole screen, or only the window whose title matches.
shot() {
    local target=root
    if [ $# -gt 1 ]; then
        target=$(xdotool search --onlyvisible --name "$2" | head -n1)
    fi
    sleep 0.5
    import -window "$target" "$work/raw.png"
    mkdir -p "$out"
    convert "$work/raw.png" -resize "${width}x>" -strip "$out/$1.png"
    if command -v optipng >/dev/null; then optipng -quiet -o2 "$out/$1.png"; fi
    echo "take_screenshots.sh: $out/$1.png"
}

# --- The workspace: three Modbus instruments, a BLED112 dongle, an nRF dongle, a Sylvac cable, a keyboard.
start_bench workspace 'Measuring system' -- --modbus 3 --bled112 4 --nrf --sylvac 1 --keyboard
sleep 4
shot workspace

# Mono: a click on the big value records the shown instrument (Indicator 1).
for _ in $(seq 12); do click 981 121 0.8; done
shot mono

# Statistics of Indicator 1 (its card's sigma button), then closed.
click 577 107 1.5
shot statistics '^Statistics$'
click 1208 738 0.5

# Multi: tick Indicator 1, Indicator 2 and the Sylvac, switch to Multi and record through a card's value.
click 20 107 0.2
click 20 178 0.2
click 20 533 0.2
click 998 46 1
for _ in $(seq 12); do click 431 108 0.8; done
shot multi

click 1396 46 1.5
shot chart
stop_bench

# --- The height gauge: its controller board and one cycle, Point in Automatic, down onto the face at 25 mm.
start_bench height-gauge 'Devozor' 'config.ini:[General]' 'config.ini:default_module=1' \
    'devozor_settings.ini:[MainSettings]' 'devozor_settings.ini:units=0' \
    -- --height-gauge --modbus 1 --sylvac 1
click 85 286        # Point
click 562 286       # Automatic
click 403 403 8     # down
shot height-gauge
stop_bench

# --- The laser bore gauge: set on a 30 mm master, tolerance +-0.002 mm, a few bores recorded.
start_bench laser 'MainWindow' 'config.ini:[General]' 'config.ini:default_module=4' -- --laser
sleep 3
fill 112 154 30
click 324 154 0.5   # SET
fill 112 211 30
fill 324 211 0.002
fill 535 211 0.002
click 324 247       # Apply
for _ in $(seq 10); do click 324 78 0.8; done
shot laser
stop_bench

# --- The measuring stand: its board and the live scale.
start_bench stand 'Measuring stand' 'config.ini:[General]' 'config.ini:default_module=3' \
    'config.ini:[interface]' 'config.ini:language=en_150' -- --stand
fill 1368 64 SN-0421
sleep 1
shot stand
stop_bench
