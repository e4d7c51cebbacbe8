#!/usr/bin/env bash
# The starter that Screen Saver Settings runs from the system folder: it finds kaleidra.scr in the folder the
# installer's uninstall entry names, starts it there with the starter's own arguments, and ends with its status.
# Wine's cmd.exe stands in for kaleidra.scr, so "/c if exist kaleidra.scr exit 7" ends with 7 only where all of
# that holds. Run from the system folder as the installer puts it, and from a folder with a space in its name,
# where the starter's own name comes quoted.
set -uo pipefail
source "$(dirname "$0")/new-prefix.sh" "$(mktemp -d)"
trap 'wineserver --kill 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
mkdir -p "$WINEPREFIX/drive_c/kaleidra" "$WINEPREFIX/drive_c/system folder"
cp "$WINEPREFIX/drive_c/windows/system32/cmd.exe" "$WINEPREFIX/drive_c/kaleidra/kaleidra.scr"
cp "${1:?usage: $0 kaleidra-starter.scr}" "$WINEPREFIX/drive_c/windows/system32/kaleidra.scr"
cp "$1" "$WINEPREFIX/drive_c/system folder/kaleidra-starter.scr"
wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\kaleidra' /v InstallLocation /t REG_SZ /d 'C:\kaleidra' /f >/dev/null 2>&1
for starter in 'C:\windows\system32\kaleidra.scr' 'C:\system folder\kaleidra-starter.scr'; do
    wine "$starter" /c if exist kaleidra.scr exit 7
    status=$?
    [ "$status" -eq 7 ] || { echo "FAIL: $starter ended with status $status, not the 7 of kaleidra.scr" >&2; exit 1; }
done
echo "starter: kaleidra.scr started in its folder with the arguments, status passed on"
