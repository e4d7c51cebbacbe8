#!/usr/bin/env bash
# Cross-builds kaleidra for 64-bit Windows with MinGW-w64: kaleidra.exe, the
# test programs and the benchmark in build-windows/, the folder that runs on a
# Windows machine with nothing else installed in build-windows/kaleidra/, and
# from it the installer kaleidra-<version>-win64.exe and the zip
# kaleidra-<version>-win64.zip in build-windows/.
#
#   scripts/build-windows.sh [--qt QT]
#
# QT is Qt 6 built for 64-bit Windows with MinGW-w64, as a folder or as a
# .tar.xz of one (such as qt-6.4.2-mingw-w64.tar.xz); without --qt,
# $KALEIDRA_WINDOWS_QT. Without either, Qt is first built from Debian's
# qt6-base source package into ~/.cache/kaleidra/, which takes about 40
# minutes on two cores, once.
set -euo pipefail
cd "$(dirname "$0")/.."

qt=${KALEIDRA_WINDOWS_QT:-}
while [ $# -gt 0 ]; do
    case $1 in
        --qt) qt=${2:?--qt needs a folder or a .tar.xz}; shift 2 ;;
        *) echo "usage: $0 [--qt QT]" >&2; exit 2 ;;
    esac
done

cache=${XDG_CACHE_HOME:-$HOME/.cache}/kaleidra
host_cmake=/usr/lib/x86_64-linux-gnu/cmake
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(sudo); fi

# unpack ARCHIVE: the Qt folder inside it, unpacked once into the cache.
unpack() {
    local sum folder
    sum=$(sha256sum "$1" | cut -c1-16)
    folder=$cache/unpacked-$sum
    if [ ! -f "$folder/.complete" ]; then
        rm -rf "$folder" && mkdir -p "$folder"
        tar -xJf "$1" -C "$folder"
        touch "$folder/.complete"
    fi
    find "$folder" -mindepth 2 -maxdepth 2 -name include -printf '%h\n' | head -n 1
}

# build_qt: Qt Core, Gui, Widgets and Test for Windows from Debian's source
# package of the Qt this machine has, configured as the one in
# ../shared/toolchains was; build paths are kept out of the binaries.
build_qt() {
    local folder=$cache/qt-mingw-w64 work=$cache/qt-source
    if [ -f "$folder/.complete" ]; then
        echo "$folder"
        return
    fi
    scripts/install-deps.sh --windows-qt >&2
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        echo "kaleidra: adding deb-src lines for the archives this machine uses" >&2
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${as_root[@]}" tee /etc/apt/sources.list.d/kaleidra-deb-src.sources >/dev/null
        "${as_root[@]}" apt-get update -q >&2
    fi
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && apt-get source --download-only qt6-base >&2 && tar -xJf qt6-base_*.orig.tar.xz)
    local source
    source=$(echo "$work"/qtbase-everywhere-src-*)
    echo "kaleidra: building Qt for Windows from $(basename "$source"), about 40 minutes" >&2
    cmake -G Ninja -S "$source" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DCMAKE_INSTALL_PREFIX="$folder" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DCMAKE_C_FLAGS="-fmacro-prefix-map=$source=qtbase" -DCMAKE_CXX_FLAGS="-fmacro-prefix-map=$source=qtbase" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF >&2
    cmake --build "$work/build" --parallel >&2
    cmake --install "$work/build" >&2
    find "$folder" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} + >&2
    rm -rf "$work"
    touch "$folder/.complete"
    echo "$folder"
}

scripts/install-deps.sh --windows
if [ -z "$qt" ]; then
    qt=$(build_qt)
elif [ -f "$qt" ]; then
    qt=$(unpack "$(readlink -f "$qt")")
fi
qt=$(readlink -f "$qt")
[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "kaleidra: no Qt 6 for Windows in $qt" >&2; exit 1; }

cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release -DKALEIDRA_END_TO_END=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DKALEIDRA_WINDOWS_QT="$qt" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" >/dev/null
cmake --build build-windows -j "$(nproc)"
rm -rf build-windows/kaleidra
cmake --install build-windows --strip --prefix "$PWD/build-windows/kaleidra" >/dev/null
(cd build-windows && rm -f kaleidra-*-win64.* && cpack -G "NSIS;ZIP" >/dev/null)
echo "kaleidra: the Windows program is in build-windows/kaleidra/ ($(du -sh build-windows/kaleidra | cut -f1))"
for package in build-windows/kaleidra-*-win64.*; do
    echo "kaleidra: $package ($(du -h "$package" | cut -f1))"
done
