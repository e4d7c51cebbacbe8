#!/usr/bin/env bash
# The renderer built for Windows, run under Wine, against the Linux build in
# the same run: the same digest of the points plotted for 1,000 states, and
# at most 15 % more time per pattern. Usage: bench.sh LINUX_BENCH WINDOWS_BENCH
set -euo pipefail
linux=$("${1:?usage: $0 path/to/kaleidra_bench path/to/kaleidra_bench.exe}")
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all
trap 'wineserver --kill 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
windows=$(wine "${2:?}" | tr -d '\r')
ms() { sed -n 's/^drawPattern: \([0-9.]*\) ms.*/\1/p' <<<"$1"; }
digest() { sed -n 's/.*digest \([0-9a-f]*\)$/\1/p' <<<"$1"; }
echo "Linux:   $(ms "$linux") ms per pattern, points digest $(digest "$linux")"
echo "Windows: $(ms "$windows") ms per pattern under Wine, points digest $(digest "$windows")"
[ -n "$(digest "$linux")" ] && [ "$(digest "$linux")" = "$(digest "$windows")" ] ||
    { echo "FAIL: the two builds plot different points" >&2; exit 1; }
awk -v linux="$(ms "$linux")" -v windows="$(ms "$windows")" 'BEGIN { exit !(windows <= 1.15 * linux) }' ||
    { echo "FAIL: under Wine the renderer takes more than 15 % longer" >&2; exit 1; }
