#!/usr/bin/env bash
# Builds kaleidra and runs every test: once in an ordinary build (with the
# end-to-end tests under Xvfb), then the Debian package's checks, then once
# more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure)
tests/packaging/package.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKALEIDRA_SANITIZE=ON -DKALEIDRA_END_TO_END=OFF
cmake --build build-sanitize -j "$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure)
