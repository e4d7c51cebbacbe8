#!/usr/bin/env bash
# A real click on "スタート" draws mirrored figures; "ストップ" freezes them;
# the picture survives the window being hidden and shown again.
source "$(dirname "$0")/lib.sh"
start_display
start_program

shot "$WORK/idle.png"
surface "$WORK/idle.png" "$WORK/idle-surface.png"
[ "$(lit "$WORK/idle-surface.png")" -eq 0 ] || fail "the drawing area is not black at start"

click_client 736 28
sleep 1.5
click_client 736 28
sleep 0.3
shot "$WORK/stopped.png"
sleep 1
shot "$WORK/later.png"
surface "$WORK/stopped.png" "$WORK/a.png"
surface "$WORK/later.png" "$WORK/b.png"

drawn=$(lit "$WORK/a.png")
[ "$drawn" -gt 2000 ] || fail "only $drawn pixels drawn after 1.5 s"
[ "$(differing "$WORK/a.png" "$WORK/b.png")" -eq 0 ] || fail "the picture changed after ストップ"

# Rows 31 to 629 mirrored about y = 330 map onto themselves.
convert "$WORK/a.png" -crop 630x599+0+31 +repage "$WORK/upper.png"
convert "$WORK/upper.png" -flip "$WORK/flipped.png"
asymmetric=$(differing "$WORK/upper.png" "$WORK/flipped.png")
# Pixel rounding may break a very few pairs; a figure that is not mirrored
# differs in most of its pixels.
[ "$asymmetric" -le $((drawn / 200)) ] || fail "$asymmetric of $drawn pixels are not mirrored about y = 330"

xdotool windowunmap --sync "$MAIN"
xdotool windowmap --sync "$MAIN"
sleep 0.5
shot "$WORK/shown-again.png"
surface "$WORK/shown-again.png" "$WORK/c.png"
[ "$(differing "$WORK/a.png" "$WORK/c.png")" -eq 0 ] || fail "the picture changed when the window was hidden and shown"
echo "run cycle: $drawn pixels drawn, $asymmetric not mirrored, frozen after stop, kept when hidden"
