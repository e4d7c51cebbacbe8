#!/usr/bin/env bash
# The screen saver as XScreenSaver runs it, on Xvfb: inside a window of another program, named by
# --window-id beside --root and by XSCREENSAVER_WINDOW (in a session that asks Qt for Wayland),
# drawing there and nowhere else, following its size, and gone within a second of SIGTERM; a bad
# command line refused.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
HOST=$(readlink -f "${2:?usage: $0 kaleidra-saver saver_host}")
SAVER=$PROGRAM

if "$SAVER" -window-id nothing 2>"$WORK/refused.log"; then fail "-window-id nothing was accepted"; fi
grep -q "使い方" "$WORK/refused.log" || fail "a bad command line gave no usage: $(cat "$WORK/refused.log")"
env -u DISPLAY -u WAYLAND_DISPLAY "$SAVER" -root 2>"$WORK/refused.log" && status=0 || status=$?
[ "$status" -eq 1 ] && grep -q "ディスプレイ" "$WORK/refused.log" || fail "without a display: status $status, $(cat "$WORK/refused.log")"

start_display
# The host ends with the display when the test does.
"$HOST" 400 300 200 150 >"$WORK/host.txt" 2>"$WORK/host.log" &
within 20 test -s "$WORK/host.txt" || fail "the host window did not appear: $(cat "$WORK/host.log")"
HOST_WINDOW=$(head -n 1 "$WORK/host.txt")
within 20 geometry_is "$HOST_WINDOW" "*,*,400x300" || fail "the host window is ${WW}x$WH, not 400x300"
INSIDE="${WW}x$WH+$WX+$WY"
blank_inside() { convert "$1" +antialias -fill black -draw "rectangle $WX,$WY $((WX + WW - 1)),$((WY + WH - 1))" "$2"; }
# What must stay as it was outside: the screen once openbox has drawn the frame, which a busy machine delays.
framed() { import -window root "$WORK/before.png" && blank_inside "$WORK/before.png" "$WORK/before-outside.png" && [ "$(lit "$WORK/before-outside.png")" -gt 0 ]; }
within 20 framed || fail "openbox drew no frame round the host window"

drawn_inside() { grab inside "$INSIDE" && count=$(lit "$WORK/inside.png") && [ "$count" -gt "$1" ]; }
# draws_into HOW: started by "$@", the saver draws within 2 s inside the host window only, more and
# more, and is gone within a second of SIGTERM, its window with it.
draws_into() {
    local how=$1 first
    shift
    "$@" >"$WORK/saver.log" 2>&1 &
    PROGRAM_PID=$!
    within 2 drawn_inside 0 || fail "$how: nothing drawn inside the window within 2 s: $(cat "$WORK/saver.log")"
    first=$count
    within 5 drawn_inside "$first" || fail "$how: the drawing inside did not grow from $first pixels"
    import -window root "$WORK/after.png"
    blank_inside "$WORK/after.png" "$WORK/after-outside.png"
    [ "$(differing "$WORK/before-outside.png" "$WORK/after-outside.png")" -eq 0 ] ||
        fail "$how: the saver drew outside the window"
    xdotool windowsize "$HOST_WINDOW" 500 400
    follows() { xwininfo -children -id "$HOST_WINDOW" | grep -q ' 500x400+0+0 '; }
    within 5 follows || fail "$how: did not follow the window to 500x400: $(xwininfo -children -id "$HOST_WINDOW")"
    xdotool windowsize "$HOST_WINDOW" 400 300
    kill -TERM "$PROGRAM_PID"
    within 1 ended || fail "$how: still running 1 s after SIGTERM"
    [ "$(xwininfo -children -id "$HOST_WINDOW" | grep -c '^ *0x')" -eq 0 ] || fail "$how: left a window behind"
    echo "$how: $first pixels lit, then $count; gone after SIGTERM"
}
# As xscreensaver-settings starts its preview: --root from the settings file beside the window it made, named twice.
XSCREENSAVER_WINDOW=$(printf '0x%x' "$HOST_WINDOW") draws_into "preview" "$SAVER" --root --window-id "$HOST_WINDOW"
XSCREENSAVER_WINDOW=$(printf '0x%x' "$HOST_WINDOW") QT_QPA_PLATFORM=wayland draws_into "XSCREENSAVER_WINDOW" "$SAVER" -root

