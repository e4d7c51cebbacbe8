#!/usr/bin/env bash
# Usage: saver.sh BUILD_FOLDER (after scripts/build-windows.sh). kaleidra.scr under Wine on Xvfb, as Windows runs it:
# /s covering the screen and drawing, kept on by a 5-pixel move, ended by a key and by a click; /p given a window of
# a small test program, ending when that window goes; /c showing the settings, which persist.
BUILD=$(readlink -f "${1:?usage: $0 build-windows}")
source "$(dirname "$0")/../e2e/lib.sh" "$BUILD/kaleidra/kaleidra.exe"
start_display
saver() { wine 'K:\kaleidra.scr' "$@" >"$WORK/saver.log" 2>&1 & PROGRAM_PID=$!; }
running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }
ended() { ! running; }

# /s: black all over but the centred picture, which fills with patterns.
screen_drawn() {
    import -window root "$WORK/screen.png" && convert "$WORK/screen.png" -crop 630x630+325+197 +repage "$WORK/square.png" &&
        convert "$WORK/screen.png" +antialias -fill black -draw "rectangle 325,197 954,826" "$WORK/beside.png" &&
        [ "$(lit "$WORK/square.png")" -gt 0 ] && [ "$(lit "$WORK/beside.png")" -eq 0 ]
}
for ending in key click; do
    xdotool mousemove 640 512
    saver /s
    within 20 screen_drawn || fail "/s: the screen is not black around a drawn picture: $(cat "$WORK/saver.log")"
    xdotool mousemove_relative 5 0
    sleep 1
    running || fail "/s: a 5-pixel move ended it"
    # Wine asks the window manager for the focus the saver takes, which openbox does not grant a new window.
    if [ $ending = key ]; then xdotool windowfocus --sync "$(visible kaleidra)" key a; else xdotool click 1; fi
    within 2 ended || fail "/s: a $ending did not end it"
done
echo "/s: covers the screen and draws; a 5-pixel move keeps it on, a key and a click end it"

# /p: a test program's window, given as Windows' preview is; the saver ends once that window is closed. Under Wine
# the host's window shows nothing of a child window from another process, so the drawing is not checked here.
mkdir "$WORK/host"
ln -s "$BUILD"/tests/saver_host.exe "$BUILD"/kaleidra/*.dll "$BUILD"/kaleidra/platforms "$WORK/host"
wine "$WORK/host/saver_host.exe" 400 300 200 150 8 >"$WORK/host.txt" 2>"$WORK/host.log" &
within 20 test -s "$WORK/host.txt" || fail "the host window did not appear: $(cat "$WORK/host.log")"
saver /p "$(tr -d '\r' <"$WORK/host.txt")"
sleep 3
running || fail "/p: ended while its window was there: $(cat "$WORK/saver.log")"
within 20 gone "saver host" || fail "the host window did not close"
within 2 ended || fail "/p: still running 2 s after its window closed"
echo "/p: ran while its window was there, ended with it"

# /c: the six sliders and the interval; End on the first slider (red minimum) pushes it onto the red maximum, 255.
saver /c
settings=$(window_id "カレイドラの設定") || fail "/c showed no settings window: $(cat "$WORK/saver.log")"
xdotool windowactivate --sync "$settings" 2>/dev/null || true
keys End Return
within 5 ended || fail "/c: Return did not close the settings"
wineserver --wait
grep -A 8 -F '[Software\\kaleidra\\kaleidra-saver]' "$WINEPREFIX/user.reg" | grep -qF '"red-min"=dword:000000ff' ||
    fail "/c: the red minimum 255 was not stored: $(grep -A 8 -F 'kaleidra-saver' "$WINEPREFIX/user.reg")"
echo "/c: the settings window stored the red minimum 255 for the user"
