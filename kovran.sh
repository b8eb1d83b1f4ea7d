#!/usr/bin/env bash
# KOVRAN build entry point.
#   ./kovran.sh demo [preset]   build, start a simulated bench and KOVRAN connected to it
#   ./kovran.sh demo height-gauge [preset]
#                               the same with a simulated height gauge board, KOVRAN opening the height gauge
#   ./kovran.sh demo laser [preset]
#                               the laser bore gauge's two simulated sensors, KOVRAN opening the laser module
#   ./kovran.sh demo stand [preset]
#                               a simulated measuring stand board, KOVRAN opening the measuring stand
#   ./kovran.sh run  [preset]   install what is missing, build and start the program
#   ./kovran.sh test [preset]   install what is missing, build with the tests and run them headless
#   ./kovran.sh package         install what is missing, build the default preset and make the Debian package
#   ./kovran.sh fuzz [SECONDS]  build the parsers' libFuzzer targets (clang, preset fuzz) and run each for
#                               SECONDS (default 60) on a copy of its seed corpus; fails on any finding,
#                               whose input is kept under build/fuzz/findings/<target>/
# preset: default (release with debug info) or asan (AddressSanitizer + UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    qt6-serialport-dev qt6-connectivity-dev qt6-multimedia-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    g++-mingw-w64-x86-64-posix libmodbus-dev
    libxdo-dev libudev-dev xvfb poppler-utils unzip
    xdotool imagemagick
    dpkg-dev desktop-file-utils appstream librsvg2-bin lintian
    clang libclang-rt-14-dev
    libmuparser-dev libxlsxwriter-dev
)

install_missing() {
    local missing=() pkg
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "kovran.sh: installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
}

# Three simulated Modbus instruments on one adapter, a BLED112 dongle with four Bluetooth instruments
# nearby, an nRF dongle whose SoftDevice KOVRAN simulates itself, a Sylvac instrument on its data cable and a
# keyboard instrument (a uinput keyboard, or a FIFO KOVRAN is told about where /dev/uinput cannot be
# written), and KOVRAN on a throwaway settings folder that already knows the Modbus ones, three of the
# Bluetooth ones and the Sylvac (the others are there for its dongle scan, the keyboard for its dialog).
# The height-gauge variant: the height gauge's controller board (its port written to setting_devozor.ini), one
# Modbus instrument and a Sylvac, and KOVRAN starting on the height gauge module (default_module=1).
# The laser variant: the bore gauge's two laser sensors (their port written to setting_laser.ini), and KOVRAN
# starting on the laser bore gauge (default_module=4). The stand variant: the measuring stand's board, which
# KOVRAN finds by its USB ids, and KOVRAN starting on the measuring stand (default_module=3).
demo_cleanup() {
    [ -n "${demo_sim:-}" ] && kill "$demo_sim" 2>/dev/null && wait "$demo_sim" 2>/dev/null
    [ -n "${demo_dir:-}" ] && rm -rf "$demo_dir"
    return 0
}

demo() {
    local preset=$1 variant=${2:-} line keyboards dir module=
    local devices=(--modbus 3 --bled112 4 --nrf --sylvac 1 --keyboard)
    case "$variant" in
        height-gauge) devices=(--height-gauge --modbus 1 --sylvac 1) module=1 ;;
        laser) devices=(--laser) module=4 ;;
        stand) devices=(--stand) module=3 ;;
    esac
    dir=$(mktemp -d "${TMPDIR:-/tmp}/kovran-demo.XXXXXX")
    demo_dir=$dir
    trap demo_cleanup EXIT
    mkdir -p "$dir/settings" "$dir/ports"
    if [ -n "$module" ]; then
        # The start-up module KOVRAN remembers in config.ini: 1 the height gauge, 3 the measuring stand, 4 the
        # laser bore gauge.
        printf '[General]\ndefault_module=%s\n' "$module" >"$dir/settings/config.ini"
    fi
    if [ "$variant" = height-gauge ]; then
        # Millimetres: the cycles' back-off and laser threshold are set for them.
        printf '[MainSettings]\nunits=0\n' >"$dir/settings/devozor_settings.ini"
    fi
    "build/$preset/tools/sim/kovran-sim" "${devices[@]}" \
        --link-dir "$dir/ports" --print-env --write-config "$dir/settings" >"$dir/sim.env" &
    demo_sim=$!
    for _ in $(seq 50); do
        line=$(grep -m1 '^KOVRAN_VIRTUAL_PORTS=' "$dir/sim.env" || true)
        [ -n "$line" ] && break
        sleep 0.2
    done
    if [ -z "$line" ]; then
        echo "kovran.sh: the simulated bench did not start" >&2
        exit 1
    fi
    echo "kovran.sh: simulated bench on ${line#KOVRAN_VIRTUAL_PORTS=}"
    # Printed together with the ports line, and only when the keyboard types into a FIFO.
    keyboards=$(grep -m1 '^KOVRAN_VIRTUAL_KEYBOARDS=' "$dir/sim.env" || true)
    local extra=()
    if [ -n "$keyboards" ]; then
        echo "kovran.sh: simulated keyboard instrument on ${keyboards#KOVRAN_VIRTUAL_KEYBOARDS=}"
        extra=("$keyboards")
    fi
    env "${extra[@]}" KOVRAN_VIRTUAL_PORTS="${line#KOVRAN_VIRTUAL_PORTS=}" KOVRAN_SETTINGS_DIR="$dir/settings" \
        KOVRAN_NRF_DRIVER=simulated "build/$preset/src/kovran"
}

# The .deb lands in build/default/package; dpkg-shlibdeps (dpkg-dev) works out its dependencies, and
# lintian must find nothing to say about it.
package() {
    local deb
    (cd build/default && cpack -G DEB >/dev/null)
    deb=$(ls -t build/default/package/kovran_*.deb | head -n1)
    lintian --pedantic --fail-on error,warning,info,pedantic "$deb"
    echo "kovran.sh: package $(readlink -f "$deb")"
}

# Each target runs on a throwaway copy of its committed seeds, so what the fuzzer learns does not grow
# fuzz/corpus. A crash, a sanitizer report, a broken invariant, a timeout or runaway memory fails the run.
fuzz_cleanup() {
    [ -n "${fuzz_work:-}" ] && rm -rf "$fuzz_work"
    return 0
}

fuzz() {
    local seconds=$1 source target name log status execs failed=()
    build fuzz
    fuzz_work=$(mktemp -d "${TMPDIR:-/tmp}/kovran-fuzz.XXXXXX")
    trap fuzz_cleanup EXIT
    rm -rf build/fuzz/findings
    for source in fuzz/fuzz_*.cpp; do
        name=${source#fuzz/fuzz_}
        name=${name%.cpp}
        target=build/fuzz/fuzz/fuzz_$name
        mkdir -p "$fuzz_work/$name" build/fuzz/findings/"$name"
        cp fuzz/corpus/"$name"/* "$fuzz_work/$name"/
        log=build/fuzz/findings/$name/log.txt
        status=0
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix=build/fuzz/findings/"$name"/ "$fuzz_work/$name" >"$log" 2>&1 || status=$?
        execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
        if [ "$status" -eq 0 ]; then
            echo "kovran.sh: fuzz_$name: ${execs:-?} inputs in ${seconds}s, nothing found"
            rm -rf build/fuzz/findings/"$name"
        else
            echo "kovran.sh: fuzz_$name: FOUND a problem after ${execs:-?} inputs (see build/fuzz/findings/$name/)" >&2
            grep -m3 -E 'invariant broken|ERROR: |runtime error' "$log" >&2 || true
            failed+=("$name")
        fi
    done
    rmdir build/fuzz/findings 2>/dev/null || true
    if [ ${#failed[@]} -gt 0 ]; then
        echo "kovran.sh: findings in: ${failed[*]}" >&2
        return 1
    fi
}

main() {
    local command=${1:-} variant=
    if [ "$command" = fuzz ]; then
        local seconds=${2:-60}
        case "$seconds" in
            '' | *[!0-9]*)
                echo "kovran.sh: fuzz takes a number of seconds per target, not '$seconds'" >&2
                exit 2
                ;;
        esac
        install_missing
        fuzz "$seconds"
        return
    fi
    if [ "$command" = demo ]; then
        case "${2:-}" in
            height-gauge | laser | stand)
                variant=$2
                shift
                ;;
        esac
    fi
    local preset=${2:-default}
    case "$preset" in
        default | asan) ;;
        *)
            echo "kovran.sh: unknown preset '$preset' (default or asan)" >&2
            exit 2
            ;;
    esac

    case "$command" in
        demo)
            install_missing
            build "$preset"
            demo "$preset" "$variant"
            ;;
        run)
            install_missing
            build "$preset"
            exec "build/$preset/src/kovran"
            ;;
        test)
            install_missing
            build "$preset"
            export QT_QPA_PLATFORM=offscreen
            ctest --preset "$preset"
            ;;
        package)
            # A sanitizer build is no package: always the default preset.
            install_missing
            build default
            package
            ;;
        *)
            echo "usage: ./kovran.sh demo [height-gauge|laser|stand]|run|test [default|asan] | package | fuzz [SECONDS]" >&2
            exit 2
            ;;
    esac
}

# Everything runs from main, so editing this file while it runs cannot derail the running copy.
main "$@"
