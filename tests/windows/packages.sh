#!/usr/bin/env bash
# Usage: packages.sh BUILD_FOLDER (after cpack -G "NSIS;ZIP" in it). The installer, silent, in a fresh Wine prefix;
# the screen saver registered; the program started from its shortcut saving into the user's Pictures folder;
# the uninstaller leaving only that picture; the zip unpacked and run.
BUILD=$(readlink -f "${1:?usage: $0 build-windows}")
source "$(dirname "$0")/../e2e/lib.sh" "$BUILD/kaleidra/kaleidra.exe"
INSTALLER=$(echo "$BUILD"/kaleidra-*-win64.exe)
ZIP=$(echo "$BUILD"/kaleidra-*-win64.zip)
start_display
user=$(id -un)
# Wine links the profile's Pictures to the Unix home folder; a folder of its own keeps the pictures here.
rm "$WINEPREFIX/drive_c/users/$user/Pictures" && mkdir "$WINEPREFIX/drive_c/users/$user/Pictures"

# snapshot NAME: every file and folder of drive C: and every registry key.
snapshot() {
    (cd "$WINEPREFIX" && find drive_c -mindepth 1 | sort) >"$WORK/files-$1"
    grep -h '^\[' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | sed 's/ [0-9]*$//' | sort >"$WORK/keys-$1"
}
snapshot before
wine "$INSTALLER" /S && wineserver --wait || fail "the installer failed"
snapshot installed

folder="drive_c/Program Files/kaleidra"
expected=$(printf '%s\n' "$folder" "$folder"/{Qt6Core.dll,Qt6Gui.dll,Qt6Widgets.dll,README.txt,Uninstall.exe} \
    "$folder"/{kaleidra.exe,kaleidra.hlp,kaleidra.scr,kaleidra-starter.scr,libgcc_s_seh-1.dll,libstdc++-6.dll,libwinpthread-1.dll,licenses,platforms,translations} \
    "$folder"/licenses/{GPL-3,LGPL-3,Qt.txt,gcc-runtime.txt,kaleidra.txt,mingw-w64.txt} \
    "$folder"/platforms/qwindows.dll "$folder"/translations/qtbase_ja.qm \
    "drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/カレイドラ.lnk" \
    drive_c/windows/system32/kaleidra.scr | sort)
added=$(comm -13 "$WORK/files-before" "$WORK/files-installed")
[ "$added" = "$expected" ] || fail "installed files differ: $(diff <(echo "$expected") <(echo "$added"))"

# Every user's shortcut starts the program in its own folder, where the chooser gives way to the user's Pictures.
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\カレイドラ.lnk'
link=$(strings -el "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/カレイドラ.lnk")
grep -qx 'C:\\Program Files\\kaleidra' <<<"$link" && grep -q 'kaleidra\\kaleidra.exe' <<<"$link" ||
    fail "the shortcut does not start kaleidra.exe in its own folder: $link"
entry=$(sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\kaleidra\]/,/^$/p' "$WINEPREFIX/system.reg")
for value in '"DisplayName"="\x30ab\x30ec\x30a4\x30c9\x30e9"' '"DisplayIcon"="C:\\Program Files\\kaleidra\\kaleidra.exe,0"' '"QuietUninstallString"='; do
    grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value: $entry"
done

# The screen saver, where Screen Saver Settings lists it for every user: its starter runs the installed one.
wine 'C:\windows\system32\kaleidra.scr' /s >"$WORK/saver.log" 2>&1 &
saver=$!
saver_drawn() { grab square 630x630+325+197 && [ "$(lit "$WORK/square.png")" -gt 0 ]; }
within 20 saver_drawn || fail "the screen saver in the system folder drew nothing: $(cat "$WORK/saver.log")"
xdotool windowfocus --sync "$(visible kaleidra)" key a # openbox gives Wine's new full-screen window no focus
saver_ended() { ! kill -0 $saver 2>/dev/null; }
within 5 saver_ended || fail "the screen saver in the system folder did not end on a key"

# save_from_shortcut NAME PICTURES: started from the shortcut, the chooser saves NAME.bmp where it opens, PICTURES.
run_program() { wine start /wait "$shortcut"; }
save_from_shortcut() {
    start_program "$WORK"
    opens_help
    click_client 300 300 && keys alt+f a
    chooser=$(window_id "画像を保存") && geometry_is "$chooser" "*" || fail "no chooser"
    xdotool mousemove $((WX + 100)) $((WY + 361)) click 1
    keys ctrl+a && xdotool type --delay 60 "$1"
    xdotool mousemove $((WX + 304)) $((WY + 352)) click 1
    within 20 test -s "$WINEPREFIX/drive_c/users/$2/Pictures/$1.bmp" || fail "$1.bmp is not in $2's Pictures: $(cd "$WINEPREFIX" && find drive_c -name "$1.bmp")"
    click_client 300 300 && keys alt+f x
    wait "$PROGRAM_PID" || fail "the installed program ended with status $?"
}
save_from_shortcut mine "$user"

wine 'C:\Program Files\kaleidra\Uninstall.exe' /S && wineserver --wait || fail "the uninstaller failed"
snapshot after
# Kept: the picture; the screen saver's settings key, which Qt makes in the user's part of the registry as it
# reads it; the copy of the uninstaller NSIS runs from Temp, which Windows removes at the next start; a key Wine
# makes anew at every start.
files=$(diff "$WORK/files-before" "$WORK/files-after" | grep '^[<>]' |
    grep -vE "^> (drive_c/users/$user/Pictures/mine\.bmp|drive_c/users/$user/Temp/~nsu[0-9]*\.tmp(/Un\.exe)?)$" || true)
keys=$(diff "$WORK/keys-before" "$WORK/keys-after" | grep '^[<>]' | grep -vF -e '< [Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards]' \
    -e '> [Software\\kaleidra]' -e '> [Software\\kaleidra\\kaleidra-saver]' || true)
[ -z "$files$keys" ] || fail "uninstalling left these differences: $files $keys"

mkdir "$WORK/unpacked" && unzip -q "$ZIP" -d "$WORK/unpacked"
run_program() { wine "$(winepath -w "$WORK"/unpacked/kaleidra-*-win64/kaleidra.exe)"; }
start_program "$WORK/unpacked"
opens_help
echo "packages: $(basename "$INSTALLER") $(du -h "$INSTALLER" | cut -f1), $(basename "$ZIP") $(du -h "$ZIP" | cut -f1):" \
    "installed, run, uninstalled cleanly; unpacked and run"
