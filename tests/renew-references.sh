#!/usr/bin/env bash
# Stores what the window tests show as their new reference pictures: for Linux
# from build/, and for Windows from build-windows/ where that build exists.
# Look at every changed picture (git diff --stat tests/references) before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
for build in build build-windows; do
    [ -d "$build" ] || continue
    (cd "$build" && KALEIDRA_RENEW_REFERENCES=1 ctest -R '^(form1|files_saving|about)$' --output-on-failure)
done
