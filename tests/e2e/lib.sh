# Sourced by the end-to-end tests: a private X server, the real program in it,
# real X input through xdotool, and screenshots read back with ImageMagick.
# The program's path is the first argument of the sourcing script.
set -euo pipefail

PROGRAM=$(readlink -f "${1:?usage: $0 path/to/kaleidra}")
WORK=$(mktemp -d)
SCREEN_WIDTH=1280
SCREEN_HEIGHT=1024
XVFB_PID=
PROGRAM_PID=

cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start_display() {
    exec 3>"$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    [ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# window_id TITLE: the visible window with exactly that title, waiting for it.
window_id() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# window_geometry ID: sets WX, WY, WW, WH (the window's outer rectangle).
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
}

# expect_quarter_window TITLE WIDTH HEIGHT: waits for the window, checks it
# stands a quarter of the screen from the left and the top (1280 × 1024 pixels
# are 19200 × 15360 twips: 19200\2 − 19200\4 = 4800, 15360\4 = 3840, so
# 320, 256) with that size, and prints its id.
expect_quarter_window() {
    local id
    id=$(window_id "$1") || fail "no window \"$1\" appeared"
    sleep 0.3
    window_geometry "$id"
    [ "$WX,$WY,${WW}x$WH" = "320,256,$2x$3" ] || fail "\"$1\" is ${WW}x$WH at $WX,$WY, not $2x$3 at 320,256"
    echo "$id"
}

# start_program [FOLDER]: starts the program in FOLDER (default: a scratch
# folder) and waits for its window. Sets MAIN, and CX, CY: the screen position
# of the client area's top left corner, below the menu bar.
start_program() {
    local folder=${1:-$WORK}
    (cd "$folder" && exec "$PROGRAM") >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    MAIN=$(window_id "カレイドラ") || fail "the main window did not appear: $(cat "$WORK/program.log")"
    sleep 0.3
    window_geometry "$MAIN"
    [ "$WW" -eq 847 ] || fail "main window is $WW pixels wide, not 847"
    CX=$WX
    CY=$((WY + WH - 655))
}

# click_client X Y: a real left click at a point of the main window's client area.
click_client() {
    xdotool mousemove $((CX + $1)) $((CY + $2)) click 1
}

# keys KEY...: real key presses into the window under the pointer.
keys() {
    xdotool key --delay 60 "$@"
}

# shot FILE: a screenshot of the whole screen.
shot() {
    import -window root "$1"
}

# surface SHOT OUT: the 630 × 630 drawing surface cut out of a screenshot.
surface() {
    convert "$1" -crop "630x630+$((CX + 10))+$((CY + 10))" +repage "$2"
}

# differing A B: the number of pixels in which two images differ.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# lit IMAGE: the number of pixels that are not black.
lit() {
    convert "$1" -fill white +opaque black -fill black -opaque black -format '%[fx:round(mean*w*h)]' info:
}
