#!/usr/bin/env bash
# Renders the icons from their drawings: every size the program's windows or
# a desktop show them at, so none is scaled. The 32-pixel window icons are
# the 16-colour designs: the drawing's own colours and hard edges. Needs
# rsvg-convert (librsvg2-bin) and ImageMagick; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")"
palette=$(mktemp --suffix=.png)
trap 'rm -f "$palette"' EXIT
convert -size 1x1 xc:'#000000' xc:'#ffffff' xc:'#808080' xc:'#c0c0c0' xc:'#ff0080' xc:'#800040' xc:'#00c0ff' \
    xc:'#006080' xc:'#ffd000' xc:'#806800' xc:'#40ff40' xc:'#208020' xc:'#101020' xc:'#404050' +append "$palette"

render() { # NAME SIZE...
    local name=$1 size
    shift
    for size in "$@"; do
        rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$name-$size.png"
        if [ "$size" -eq 32 ]; then
            convert "$name-$size.png" -channel A -threshold 50% +channel \( +clone -alpha extract \) +swap -alpha off \
                -dither None -remap "$palette" +swap -compose CopyOpacity -composite \
                -define png:exclude-chunks=date,time "$name-$size.png"
        fi
    done
}
render kaleidra 16 24 32 40 48 64 128 256
render kaleidra-picture 16 24 32 40 48 64
# The Windows program's icon: Explorer and the Start menu pick a size from it.
convert kaleidra-16.png kaleidra-24.png kaleidra-32.png kaleidra-48.png kaleidra-64.png kaleidra-256.png kaleidra.ico
