#!/usr/bin/env bash
# File > Save As through the keyboard opens the chooser at a quarter of the
# screen while the run goes on drawing; a typed name and "保存" write the
# picture; File > Save writes it again, as it is then, to the same file.
source "$(dirname "$0")/lib.sh"
start_display
mkdir "$WORK/pictures"
start_program "$WORK/pictures"

# menu KEY: File menu item by its access key, typed over the main window.
menu() {
    xdotool mousemove $((CX + 400)) $((CY + 300))
    keys alt+f "$1"
}

# file_changes FILE BEFORE: waits until FILE exists with a checksum other than BEFORE.
file_changes() {
    for _ in $(seq 50); do
        [ -s "$1" ] && [ "$(md5sum <"$1")" != "$2" ] && return 0
        sleep 0.1
    done
    return 1
}

click_client 736 28
sleep 0.5
menu a
CHOOSER=$(expect_quarter_window "画像を保存" 345 384)
window_geometry "$CHOOSER"

shot "$WORK/behind1.png"
sleep 1
shot "$WORK/behind2.png"
surface "$WORK/behind1.png" "$WORK/s1.png"
surface "$WORK/behind2.png" "$WORK/s2.png"
[ "$(differing "$WORK/s1.png" "$WORK/s2.png")" -gt 0 ] || fail "the run stopped drawing behind the chooser"

xdotool mousemove $((WX + 100)) $((WY + 361)) click 1
keys ctrl+a
xdotool type --delay 60 "kaleido"
xdotool mousemove $((WX + 304)) $((WY + 352)) click 1
PICTURE="$WORK/pictures/kaleido.bmp"
file_changes "$PICTURE" "" || fail "保存 wrote no kaleido.bmp: $(ls -a "$WORK/pictures")"
sleep 0.3
xdotool search --onlyvisible --name "^画像を保存\$" >/dev/null && fail "the chooser stayed open after saving"
[ "$(identify -format '%w %h' "$PICTURE")" = "630 630" ] || fail "kaleido.bmp is not a 630 × 630 picture"
first=$(md5sum <"$PICTURE")

click_client 736 28
sleep 0.3
menu s
file_changes "$PICTURE" "$first" || fail "Save did not write the figures drawn since"
sleep 0.3
shot "$WORK/stopped.png"
surface "$WORK/stopped.png" "$WORK/shown.png"
off=$(differing "$WORK/shown.png" "$PICTURE")
[ "$off" -eq 0 ] || fail "the saved file differs from the drawing in $off pixels"
[ "$(ls -A "$WORK/pictures")" = "kaleido.bmp" ] || fail "unexpected files: $(ls -A "$WORK/pictures")"
kill -0 "$PROGRAM_PID" || fail "the program ended"
echo "save as: chooser at $WX,$WY while the run went on; kaleido.bmp written, rewritten by Save, equal to the screen"
