# Sourced by the end-to-end and packaging tests: the real program under Xvfb and openbox, xdotool, ImageMagick.
set -euo pipefail
PROGRAM=$(readlink -f "${1:?usage: $0 path/to/kaleidra or path/to/kaleidra.exe}")
WORK=$(mktemp -d)
XVFB_PID= WM_PID= PROGRAM_PID=
trap 'kill $PROGRAM_PID $WM_PID $XVFB_PID 2>/dev/null || true; [ -z "${WINEPREFIX:-}" ] || wineserver --kill 2>/dev/null || true; rm -rf "$WORK"' EXIT
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8 # xdotool reads the titles in it
if [[ $PROGRAM == *.exe ]]; then
    # Under Wine from the root of a drive: the help file is then "K:\\kaleidra.hlp" and must still be found.
    source "$(dirname "${BASH_SOURCE[0]}")/../windows/new-prefix.sh" "$WORK/wine"
    ln -s "$(dirname "$PROGRAM")" "$WINEPREFIX/dosdevices/k:"
    run_program() { exec wine 'K:\kaleidra.exe'; }
    PLACEMENT_SLACK=4
else
    # Through a link, as /usr/bin/kaleidra is: the help file is found beside the program itself.
    ln -s "$PROGRAM" "$WORK/kaleidra" && PROGRAM=$WORK/kaleidra
    run_program() { exec "$PROGRAM"; }
    PLACEMENT_SLACK=0
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# within SECONDS COMMAND...: true as soon as COMMAND succeeds, false at the deadline; load only slows it.
within() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Without -noreset the server resets when its last client (an xdotool poll) leaves; the next cannot connect.
# start_display [XVFB SCREEN OPTIONS...]: one 1280 × 1024 screen unless told otherwise.
start_display() {
    [ $# -gt 0 ] || set -- -screen 0 1280x1024x24
    exec 3>"$WORK/display"
    Xvfb -displayfd 3 -noreset "$@" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    within 20 test -s "$WORK/display" || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$WORK/display")" XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    openbox >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    within 20 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start: $(cat "$WORK/wm.log")"
}

ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
focused() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
gone() { ! visible "$1" >/dev/null; }

# window_id TITLE: the visible window with exactly that title, once it appears.
window_id() { within 20 visible "$1" >/dev/null && visible "$1"; }

# geometry_is ID PATTERN: sets WX, WY, WW, WH (the window inside its frame, on the screen) and FX, FY
# (the frame's top left), and matches "FX,FY,WWxWH" against PATTERN.
geometry_is() {
    local info extents
    info=$(xwininfo -id "$1") || return 1
    WX=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info") WY=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
    WW=$(awk '/ Width:/ { print $2 }' <<<"$info") WH=$(awk '/ Height:/ { print $2 }' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]\+, [0-9]\+, [0-9]\+, [0-9]\+' | tr -d ,)
    set -- "$1" "$2" ${extents:-0 0 0 0}
    FX=$((WX - $3)) FY=$((WY - $5))
    [[ "$FX,$FY,${WW}x$WH" == $2 ]]
}

# start_program [FOLDER [WIDTH]]: starts the program there (default: a scratch folder) as PROGRAM_PID, which the test's
# end kills; waits for its window, WIDTH (default 847) pixels wide; sets CX, CY: the client area below the menu bar.
start_program() {
    (cd "${1:-$WORK}" && run_program) >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    local main
    main=$(window_id "カレイドラ") || fail "the main window did not appear: $(cat "$WORK/program.log")"
    within 20 geometry_is "$main" "*,*,${2:-847}x*" || fail "main window is $WW pixels wide, not ${2:-847}"
    CX=$WX CY=$((WY + WH - 655))
}

click_client() { xdotool mousemove $((CX + $1)) $((CY + $2)) click 1; }
keys() { xdotool key --delay 60 "$@"; }

# grab NAME WxH+X+Y: that part of the screen, in $WORK/NAME.png.
grab() { import -window root -crop "$2" +repage "$WORK/$1.png"; }
# surface NAME: the 630 × 630 drawing surface.
surface() { grab "$1" "630x630+$((CX + 10))+$((CY + 10))"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
lit() { convert "$1" -fill white +opaque black -format '%[fx:round(mean*w*h)]' info:; }
