#!/usr/bin/env bash
# The Wine prefix the Windows tests run in, made afresh and removed after:
#   prefix.sh make|remove PREFIX
# Run as root, it maps a read-only and a full 64 KiB tmpfs as the drives R:
# and F:, where saves must fail for those reasons; elsewhere those tests skip.
set -euo pipefail
prefix=${2:?usage: $0 make|remove PREFIX}
export WINEPREFIX=$prefix WINEDEBUG=-all

unmount_media() {
    for medium in "$prefix"/media/*; do
        if mountpoint -q "$medium" 2>/dev/null; then umount "$medium"; fi
    done
}

case $1 in
make)
    [ ! -d "$prefix" ] || { wineserver --kill 2>/dev/null || true; unmount_media; rm -rf "$prefix"; }
    WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
    wineserver --wait
    if [ "$(id -u)" -eq 0 ]; then
        mkdir -p "$prefix/media/ro" "$prefix/media/full"
        if mount -t tmpfs -o ro,size=64k tmpfs "$prefix/media/ro" && mount -t tmpfs -o size=64k tmpfs "$prefix/media/full"; then
            ln -s "$prefix/media/ro" "$prefix/dosdevices/r:"
            ln -s "$prefix/media/full" "$prefix/dosdevices/f:"
        fi
    fi
    ;;
remove)
    wineserver --kill 2>/dev/null || true
    unmount_media
    rm -rf "$prefix"
    ;;
*) echo "usage: $0 make|remove PREFIX" >&2; exit 2 ;;
esac
