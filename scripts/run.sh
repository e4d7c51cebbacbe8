#!/usr/bin/env bash
# Builds kaleidra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target kaleidra -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
kaleidra: there is no display to open the window on (DISPLAY is not set).
The program is built as build/src/kaleidra. To run it on a virtual display
(xvfb-run comes with the Debian package xvfb):

    xvfb-run -s '-screen 0 1280x1024x24' build/src/kaleidra
TEXT
    exit 1
fi
exec build/src/kaleidra
