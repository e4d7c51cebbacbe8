#!/usr/bin/env bash
# The renderer built for Windows, under Wine, against the Linux build: the same points for 1,000 states,
# and the time of each. Usage: bench.sh LINUX_BENCH WINDOWS_BENCH
set -euo pipefail
linux=$("${1:?usage: $0 path/to/kaleidra_bench path/to/kaleidra_bench.exe}")
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all
trap 'wineserver --kill 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
windows=$(wine "${2:?}" | tr -d '\r')
ms() { sed -n 's/^drawPattern: \([0-9.]*\) ms.*/\1/p' <<<"$1"; }
digest() { sed -n 's/.*digest \([0-9a-f]*\)$/\1/p' <<<"$1"; }
echo "Linux: $(ms "$linux") ms per pattern, Windows under Wine: $(ms "$windows") ms; points digests $(digest "$linux") $(digest "$windows")"
[ -n "$(digest "$linux")" ] && [ "$(digest "$linux")" = "$(digest "$windows")" ] || { echo "FAIL: the builds plot different points" >&2; exit 1; }
