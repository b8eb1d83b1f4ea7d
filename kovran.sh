#!/usr/bin/env bash
# KOVRAN build entry point.
#   ./kovran.sh run  [preset]   install what is missing, build and start the program
#   ./kovran.sh test [preset]   install what is missing, build with the tests and run them headless
# preset: default (release with debug info) or asan (AddressSanitizer + UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    qt6-serialport-dev qt6-connectivity-dev qt6-multimedia-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    g++-mingw-w64-x86-64-posix
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

command=${1:-}
preset=${2:-default}
case "$preset" in
    default|asan) ;;
    *) echo "kovran.sh: unknown preset '$preset' (default or asan)" >&2; exit 2 ;;
esac

case "$command" in
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
    *)
        echo "usage: ./kovran.sh run|test [default|asan]" >&2
        exit 2
        ;;
esac
