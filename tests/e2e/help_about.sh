#!/usr/bin/env bash
# Help > Version shows the About window a quarter of the screen in from the
# top left and Esc closes it; Help > Contents opens the help viewer beside
# the main window showing the help text; File > Exit then ends the program
# during a run with the viewer open, with status 0.
source "$(dirname "$0")/lib.sh"
start_display
start_program

# Clicks only give the window under the pointer the keyboard; the drawing
# area takes them without reacting.
click_client 300 300
keys alt+h v
ABOUT=$(expect_quarter_window "ﾊﾞｰｼﾞｮﾝ情報" 374 134)
window_geometry "$ABOUT"
shot "$WORK/about.png"
convert "$WORK/about.png" -crop "${WW}x$WH+$WX+$WY" +repage "$WORK/about-window.png"
colours=$(convert "$WORK/about-window.png" -format '%k' info:)
[ "$colours" -gt 20 ] || fail "the About window shows only $colours colours: no icon or text"

xdotool mousemove $((WX + 30)) $((WY + 110)) click 1
keys Escape
for _ in $(seq 30); do
    xdotool search --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' >/dev/null 2>&1 && fail "Esc did not close the About window"

click_client 736 28
click_client 300 300
keys alt+h h
VIEWER=$(window_id "カレイドラ ヘルプ") || fail "Help > Contents opened no help viewer: $(cat "$WORK/program.log")"
sleep 0.5
window_geometry "$VIEWER"
[ "$WX" -ge 847 ] || fail "the help viewer covers the main window (left edge $WX)"
shot "$WORK/help.png"
convert "$WORK/help.png" -crop "${WW}x$WH+$WX+$WY" +repage "$WORK/help-window.png"
# Black text on white: a page of help is a good share of dark pixels.
dark=$(convert "$WORK/help-window.png" -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
[ "$dark" -gt 5000 ] || fail "the help viewer shows only $dark dark pixels: no help text"
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended before Exit"

click_client 300 300
keys alt+f x
for _ in $(seq 20); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "File > Exit did not end the program within 2 s"
status=0
wait "$PROGRAM_PID" || status=$?
PROGRAM_PID=
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$WORK/program.log")"
[ -z "$(xdotool search --onlyvisible --name '^カレイドラ ヘルプ$' 2>/dev/null)" ] || fail "the help viewer outlived the program"
echo "about at 320,256 and closed by Esc; help viewer beside the window with $dark dark pixels; exit status 0"

# --- F1 in the About window: the help window takes the keys at once and
# scrolls, while the About window stays open over the main window. ---
focused_is() {
    for _ in $(seq 30); do
        [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2 (the keyboard is with $(xdotool getwindowfocus getwindowname))"
}
start_program
click_client 300 300
keys alt+h h
VIEWER=$(window_id "カレイドラ ヘルプ") || fail "Help > Contents opened no help viewer"
click_client 300 300
keys alt+h v
focused_is "ﾊﾞｰｼﾞｮﾝ情報" "the About window did not take the keyboard"
keys F1
focused_is "カレイドラ ヘルプ" "F1 in the About window did not give the help window the keyboard"
window_geometry "$VIEWER"
shot "$WORK/f1-before.png"
keys Next Next
for _ in $(seq 30); do
    shot "$WORK/f1-after.png"
    scrolled=$(compare -metric AE -crop "${WW}x$WH+$WX+$WY" "$WORK/f1-before.png" "$WORK/f1-after.png" null: 2>&1 || true)
    [ "${scrolled%%.*}" -gt 1000 ] 2>/dev/null && break
done
[ "${scrolled%%.*}" -gt 1000 ] 2>/dev/null || fail "Page Down in the help window changed only $scrolled pixels"
xdotool search --onlyvisible --name '^ﾊﾞｰｼﾞｮﾝ情報$' >/dev/null || fail "the About window closed"
echo "F1 in About: help window has the keyboard and scrolled ($scrolled pixels changed)"
