#!/usr/bin/env bash
# Runs a Windows test program under Wine in a prefix of its own, killed after 45 s, and prints its results from a file,
# as its output does not reach the terminal. As root it maps a read-only and a full 64 KiB tmpfs as R: and F: and names them.
source "$(dirname "$0")/new-prefix.sh" "$(mktemp -d)"
cleanup() {
    wineserver --kill 2>/dev/null
    for medium in "$WINEPREFIX"/media/*; do if mountpoint -q "$medium"; then umount "$medium"; fi; done
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
if [ "$(id -u)" -eq 0 ] && mkdir -p "$WINEPREFIX"/media/{ro,full} && mount -t tmpfs -o ro,size=64k tmpfs "$WINEPREFIX/media/ro" &&
    mount -t tmpfs -o size=64k tmpfs "$WINEPREFIX/media/full"; then
    ln -s "$WINEPREFIX/media/ro" "$WINEPREFIX/dosdevices/r:" && ln -s "$WINEPREFIX/media/full" "$WINEPREFIX/dosdevices/f:" && export KALEIDRA_TEST_DRIVE_RO=R:/ KALEIDRA_TEST_DRIVE_FULL=F:/
fi
timeout -s KILL 45 wine "$@" -o "$(wine winepath -w "$WINEPREFIX/results.txt"),txt" 2>/dev/null
status=$?
cat "$WINEPREFIX/results.txt"
exit $status
