#!/usr/bin/env bash
# Builds kaleidra and runs every test: once in an ordinary build (with the
# end-to-end tests under Xvfb), then the Debian package's checks, then once
# more under AddressSanitizer and UndefinedBehaviorSanitizer. Given a Qt for
# Windows in KALEIDRA_WINDOWS_QT (a folder or .tar.xz), it then builds the
# Windows program and its packages and runs its tests, its journey, its
# benchmark, its installer and its zip under Wine; KALEIDRA_REQUIRE_WINDOWS=1
# makes a missing one a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

windows_qt=${KALEIDRA_WINDOWS_QT:-}
if [ -n "$windows_qt" ] && [ ! -e "$windows_qt" ]; then
    echo "kaleidra: KALEIDRA_WINDOWS_QT names $windows_qt, which does not exist" >&2
    exit 1
fi
if [ -z "$windows_qt" ] && [ -n "${KALEIDRA_REQUIRE_WINDOWS:-}" ]; then
    echo "kaleidra: the Windows tests are required here, but KALEIDRA_WINDOWS_QT names no Qt for Windows" >&2
    exit 1
fi

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

if [ -z "$windows_qt" ]; then
    cat <<'TEXT'
kaleidra: skipped the Windows tests: KALEIDRA_WINDOWS_QT names no Qt for Windows.
Give it a Qt 6 built for Windows with MinGW-w64 (a folder or a .tar.xz), or let
scripts/build-windows.sh build one from Debian's source (about 40 minutes), then
run this again with KALEIDRA_WINDOWS_QT set.
TEXT
    exit 0
fi
windows_started=$SECONDS
scripts/build-windows.sh --qt "$windows_qt"
(cd build-windows && ctest --output-on-failure)
bash tests/e2e/journey.sh build-windows/kaleidra/kaleidra.exe
bash tests/windows/bench.sh build/bench/kaleidra_bench build-windows/bench/kaleidra_bench.exe
echo "kaleidra: the Windows build and its tests under Wine took $((SECONDS - windows_started)) s"
