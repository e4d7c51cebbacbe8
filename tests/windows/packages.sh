#!/usr/bin/env bash
# The Windows packages under Wine. The installer, silent, in a fresh prefix:
# the files it installs, the Start-menu shortcut and its working folder, the
# uninstall entry; the installed program's window and help, and a picture it
# saves into its own folder; then the uninstaller, silent, after which files
# and registry keys are as before but for that picture and the exceptions
# named below. Then the zip, unpacked into an empty folder and started there.
# Usage: packages.sh BUILD_FOLDER (after cpack -G "NSIS;ZIP" in it)
BUILD=$(readlink -f "${1:?usage: $0 build-windows}")
source "$(dirname "$0")/../e2e/lib.sh" "$BUILD/kaleidra/kaleidra.exe"
INSTALLER=$(echo "$BUILD"/kaleidra-*-win64.exe)
ZIP=$(echo "$BUILD"/kaleidra-*-win64.zip)
start_display
user=$(id -un)

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
    "$folder"/{kaleidra.exe,kaleidra.hlp,libgcc_s_seh-1.dll,libstdc++-6.dll,libwinpthread-1.dll,licenses,platforms,translations} \
    "$folder"/licenses/{GPL-3,LGPL-3,Qt.txt,gcc-runtime.txt,kaleidra.txt,mingw-w64.txt} \
    "$folder"/platforms/qwindows.dll "$folder"/translations/qtbase_ja.qm \
    "drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/カレイドラ.lnk" | sort)
added=$(comm -13 "$WORK/files-before" "$WORK/files-installed")
[ "$added" = "$expected" ] || fail "installed files differ: $(diff <(echo "$expected") <(echo "$added"))"

# The shortcut starts the program in the user's Pictures folder.
link=$(strings -el "$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/カレイドラ.lnk")
grep -qx "C:\\\\users\\\\$user\\\\Pictures" <<<"$link" && grep -q 'kaleidra\\kaleidra.exe' <<<"$link" ||
    fail "the shortcut does not start kaleidra.exe in Pictures: $link"
entry=$(sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\kaleidra\]/,/^$/p' "$WINEPREFIX/system.reg")
for value in '"DisplayName"="\x30ab\x30ec\x30a4\x30c9\x30e9"' '"DisplayVersion"="1.0.0"' '"Publisher"="The kaleidra developers"' \
    '"DisplayIcon"="C:\\Program Files\\kaleidra\\kaleidra.exe,0"' '"QuietUninstallString"=' '"EstimatedSize"=dword:0000'; do
    grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value: $entry"
done

# The installed program, started in its own folder, where the chooser opens.
run_program() { wine 'C:\Program Files\kaleidra\kaleidra.exe'; }
start_program "$WINEPREFIX/$folder"
click_client 300 300 && keys alt+h h
help_window=$(window_id "カレイドラ ヘルプ") || fail "the installed program opened no help"
within 20 help_shown "$help_window" || fail "the installed program's help shows only $dark dark pixels"
click_client 300 300 && keys alt+f a
chooser=$(window_id "画像を保存") && geometry_is "$chooser" "*" || fail "no chooser"
xdotool mousemove $((WX + 100)) $((WY + 361)) click 1
keys ctrl+a && xdotool type --delay 60 mine
xdotool mousemove $((WX + 304)) $((WY + 352)) click 1
within 20 test -s "$WINEPREFIX/$folder/mine.bmp" || fail "no picture saved into the program's folder"
click_client 300 300 && keys alt+f x
wait "$PROGRAM_PID" || fail "the installed program ended with status $?"

wine 'C:\Program Files\kaleidra\Uninstall.exe' /S && wineserver --wait || fail "the uninstaller failed"
snapshot after
# Kept: the user's picture, and so its folder. NSIS runs a copy of the
# uninstaller from Temp, which Windows removes at the next start. Wine drops
# a key it makes anew at every start.
files=$(diff "$WORK/files-before" "$WORK/files-after" | grep '^[<>]' |
    grep -vE "^> ($folder|$folder/mine.bmp|drive_c/users/$user/Temp/~nsu[0-9]*\.tmp(/Un\.exe)?)$" || true)
keys=$(diff "$WORK/keys-before" "$WORK/keys-after" | grep '^[<>]' | grep -vF '< [Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards]' || true)
[ -z "$files$keys" ] || fail "uninstalling left these differences: $files $keys"

# The zip runs straight after unpacking.
mkdir "$WORK/unpacked"
unzip -q "$ZIP" -d "$WORK/unpacked"
run_program() { wine "$(winepath -w "$WORK"/unpacked/kaleidra-*-win64/kaleidra.exe)"; }
start_program "$WORK/unpacked"
click_client 300 300 && keys alt+h h
help_window=$(window_id "カレイドラ ヘルプ") || fail "the unpacked program opened no help"
within 20 help_shown "$help_window" || fail "the unpacked program's help shows only $dark dark pixels"
echo "packages: $(basename "$INSTALLER") $(du -h "$INSTALLER" | cut -f1), $(basename "$ZIP") $(du -h "$ZIP" | cut -f1):" \
    "installed, run, uninstalled cleanly; unpacked and run"
