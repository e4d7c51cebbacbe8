#!/usr/bin/env bash
# Usage: bench.sh LINUX_BENCH WINDOWS_BENCH. Both builds' times; Wine's must plot the same points as Linux's.
set -euo pipefail
linux=$("${1:?usage: $0 path/to/kaleidra_bench path/to/kaleidra_bench.exe}")
source "$(dirname "$0")/new-prefix.sh" "$(mktemp -d)"
trap 'wineserver --kill 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
windows=$(wine "${2:?}" | tr -d '\r')
ms() { sed -n 's/^drawPattern: \([0-9.]*\) ms.*/\1/p' <<<"$1"; }
digest() { sed -n 's/.*digest \([0-9a-f]*\)$/\1/p' <<<"$1"; }
echo "Linux: $(ms "$linux") ms per pattern, Windows under Wine: $(ms "$windows") ms; points digests $(digest "$linux") $(digest "$windows")"
[ -n "$(digest "$linux")" ] && [ "$(digest "$linux")" = "$(digest "$windows")" ] || { echo "FAIL: the builds plot different points" >&2; exit 1; }
