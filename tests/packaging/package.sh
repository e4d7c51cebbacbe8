#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it with lintian, appstreamcli and
# desktop-file-validate, and its files: the help beside the program /usr/bin links to. Installs nothing.
BUILD=$(readlink -f "${1:?usage: $0 build-folder}")
source "$(dirname "$0")/../e2e/lib.sh" "$BUILD"
# cpack rewrites the build folder's install_manifest.txt, which may still be needed to undo an install.
MANIFEST="$BUILD/install_manifest.txt"
[ -f "$MANIFEST" ] && cp -p "$MANIFEST" "$WORK/manifest"
restore_manifest() { if [ -f "$WORK/manifest" ]; then cp -p "$WORK/manifest" "$MANIFEST"; else rm -f "$MANIFEST"; fi; }
trap 'restore_manifest; rm -rf "$WORK"' EXIT

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || fail "cpack: $(cat "$WORK/cpack.log")"
DEB=$(echo "$WORK"/out/kaleidra_*.deb)
lintian --fail-on error,warning "$DEB" || fail "lintian reports errors or warnings"
dpkg-deb -x "$DEB" "$WORK/root"
appstreamcli validate --no-net "$WORK"/root/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata"
# desktop-file-validate fails on errors only; its warnings count here too.
notes=$(desktop-file-validate "$WORK/root/usr/share/applications/kaleidra.desktop" 2>&1) && [ -z "$notes" ] || fail "desktop entry: $notes"
# The screen saver's entry belongs in no menu category but Screensaver, which desktop-file-validate hints at.
notes=$(desktop-file-validate "$WORK/root/usr/share/applications/screensavers/kaleidra.desktop" 2>&1 | grep -v ': hint: ' || true)
[ -z "$notes" ] || fail "screen saver entry: $notes"
xmllint --noout "$WORK/root/usr/share/xscreensaver/config/kaleidra-saver.xml" || fail "XScreenSaver settings file"

expected=$(printf '%s\n' "./usr/bin/kaleidra -> ../lib/kaleidra/kaleidra" ./usr/lib/kaleidra/kaleidra{,.hlp} \
    ./usr/share/{applications/kaleidra.desktop,doc/kaleidra/changelog.gz,doc/kaleidra/copyright,man/man1/kaleidra.1.gz,man/man6/kaleidra-saver.6.gz} \
    ./usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kaleidra.png \
    ./usr/share/icons/hicolor/scalable/apps/kaleidra.svg ./usr/share/metainfo/org.example.kaleidra.metainfo.xml \
    ./usr/libexec/xscreensaver/kaleidra-saver \
    ./usr/share/applications/screensavers/kaleidra.desktop ./usr/share/xscreensaver/config/kaleidra-saver.xml | sort)
listed=$(dpkg-deb -c "$DEB" | grep -v '^d' | sed 's/.* \.\//.\//' | sort)
[ "$listed" = "$expected" ] || fail "package files differ: $(diff <(echo "$expected") <(echo "$listed"))"

echo "package $(basename "$DEB"): validators clean, $(echo "$listed" | wc -l) files"
