#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, checks it with
# lintian, appstreamcli and desktop-file-validate, checks its file list, then
# unpacks it into a scratch root and starts the unpacked program on a private
# Xvfb display to see that it finds its help text. Nothing is installed.
set -euo pipefail
BUILD=$(readlink -f "${1:?usage: $0 build-folder}")
WORK=$(mktemp -d)
XVFB_PID= PROGRAM_PID=
# cpack rewrites the build folder's install_manifest.txt, which a user may
# still need to remove a `cmake --install`.
MANIFEST="$BUILD/install_manifest.txt"
[ -f "$MANIFEST" ] && cp -p "$MANIFEST" "$WORK/manifest"
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID"
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID"
    if [ -f "$WORK/manifest" ]; then cp -p "$WORK/manifest" "$MANIFEST"; else rm -f "$MANIFEST"; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(cat "$WORK/cpack.log")"
DEB=$(echo "$WORK"/out/kaleidra_*.deb)
lintian --fail-on error,warning "$DEB" || fail "lintian reports errors or warnings"
dpkg-deb -x "$DEB" "$WORK/root"
appstreamcli validate --no-net "$WORK"/root/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata"
# desktop-file-validate fails on errors only; its warnings count here too.
notes=$(desktop-file-validate "$WORK/root/usr/share/applications/kaleidra.desktop" 2>&1) && [ -z "$notes" ] || fail "desktop entry: $notes"

expected=$(printf '%s\n' "./usr/bin/kaleidra -> ../lib/kaleidra/kaleidra" ./usr/lib/kaleidra/kaleidra{,.hlp} \
    ./usr/share/{applications/kaleidra.desktop,doc/kaleidra/changelog.gz,doc/kaleidra/copyright,man/man1/kaleidra.1.gz} \
    ./usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kaleidra.png \
    ./usr/share/icons/hicolor/scalable/apps/kaleidra.svg ./usr/share/metainfo/org.example.kaleidra.metainfo.xml | sort)
listed=$(dpkg-deb -c "$DEB" | grep -v '^d' | sed 's/.* \.\//.\//' | sort)
[ "$listed" = "$expected" ] || fail "package files differ: $(diff <(echo "$expected") <(echo "$listed"))"

exec 3>"$WORK/display"
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$WORK/display")" XDG_RUNTIME_DIR="$WORK"
"$WORK/root/usr/bin/kaleidra" >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
wait_window() {
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 && return; sleep 0.1; done
    fail "no window \"$1\": $(cat "$WORK/program.log")"
}
eval "$(xdotool getwindowgeometry --shell "$(wait_window カレイドラ)")"
xdotool mousemove $((X + 300)) $((Y + 300)) click 1 sleep 0.3 key --delay 60 alt+h h
eval "$(xdotool getwindowgeometry --shell "$(wait_window 'カレイドラ ヘルプ')")"
sleep 0.5
# A page of black help text on white, where a missing file gives two lines.
dark=$(import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" png:- | convert png:- -colorspace Gray -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)
[ "$dark" -gt 5000 ] || fail "the help viewer shows $dark dark pixels: no help text"
echo "package $(basename "$DEB"): validators clean, $(echo "$listed" | wc -l) files; unpacked program shows help ($dark dark pixels)"
