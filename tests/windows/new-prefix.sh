# Sourced with a folder: this run's Wine prefix, quiet, offering no Mono or Gecko, naming files in UTF-8.
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
mkdir -p "$1/drive_c" && printf KALEIDRA >"$1/drive_c/.windows-label" # Wine reads a label only as it starts
wine wineboot --init >/dev/null 2>&1 && wineserver --wait
