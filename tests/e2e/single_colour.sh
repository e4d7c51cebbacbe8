#!/usr/bin/env bash
# Colour ranges narrowed with the keyboard to pure red give pure red figures.
source "$(dirname "$0")/lib.sh"
start_display
start_program

# Focus the drawing area, then Tab: スタート, red maximum, red minimum, ...
click_client 300 300
keys Tab Tab Tab End        # red minimum up to 255
keys Tab Tab Home           # green maximum down to 0
keys Tab Tab Home           # blue maximum down to 0

# The first figure of a run still has the start colour; later ones are red.
click_client 736 28
sleep 0.6
click_client 736 28
click_client 736 28
sleep 1
click_client 736 28
sleep 0.3
shot "$WORK/red.png"
surface "$WORK/red.png" "$WORK/surface.png"

drawn=$(lit "$WORK/surface.png")
[ "$drawn" -gt 1000 ] || fail "only $drawn pixels drawn"
colours=$(convert "$WORK/surface.png" -format %c histogram:info:- | grep -o '#[0-9A-F]\{6\}' | sort | tr '\n' ' ')
[ "$colours" = "#000000 #FF0000 " ] || fail "expected only black and pure red, found: $colours"

echo "single colour: $drawn pixels, colours $colours"
