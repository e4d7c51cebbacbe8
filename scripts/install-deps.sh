#!/usr/bin/env bash
# Installs the Debian packages kaleidra needs to build and run it, and with
# --test also those its tests and its packaging need, with --windows those of
# the Windows build and its tests under Wine; nothing when they are all there
# already.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-translations-l10n qt6-wayland libgl-dev libxcb1-dev pkg-config
    fonts-ipafont-gothic
)
for option in "$@"; do
    case "$option" in
        --test)
            packages+=(
                xvfb xauth xdotool x11-utils x11-xserver-utils openbox imagemagick libxml2-utils xscreensaver
                dpkg-dev file lintian appstream desktop-file-utils
                libmpfr-dev
            ) ;;
        # Cross-building for 64-bit Windows, its packages, and running them under Wine.
        --windows)
            packages+=(
                g++-mingw-w64-x86-64-posix qt6-base-dev-tools xz-utils nsis
                wine wine64
            ) ;;
        # What building Qt for Windows from Debian's source package takes.
        --windows-qt)
            packages+=(ninja-build dpkg-dev) ;;
        *) echo "usage: $0 [--test] [--windows] [--windows-qt]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "kaleidra: these packages are missing and this is not a Debian system: ${missing[*]}" >&2
    exit 1
fi
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "kaleidra: installing ${missing[*]} needs root, and sudo is not available" >&2
    exit 1
fi

echo "kaleidra: installing ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
