#!/usr/bin/env bash
# Installs the Debian packages kaleidra needs to build and run it, and with
# --test also those its tests and its packaging need; nothing when they are
# all there already.
set -euo pipefail

packages=(
    cmake g++ make
    qt6-base-dev qt6-translations-l10n qt6-wayland libgl-dev
    fonts-ipafont-gothic
)
case "${1:-}" in
    "") ;;
    --test)
        packages+=(
            xvfb xauth xdotool x11-utils openbox imagemagick
            dpkg-dev file lintian appstream desktop-file-utils
        ) ;;
    *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

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
