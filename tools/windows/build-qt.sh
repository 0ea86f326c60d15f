#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt 6.4.2 for 64-bit Windows from Debian 12's qt6-base source, once per
# machine, into $TESSALY_QT_WINDOWS (default ~/.cache/tessaly/qt6-mingw-6.4.2).
# The source comes from the machine's own Debian archives through a private apt sources list
# and lists folder (debian-source.sh), so the machine's apt configuration stays as it is.
# Only what the calculator and its tests use is built: Core, Gui, Widgets, Test, and the
# windows and offscreen platform plugins. An interrupted
# build carries on where it stopped when run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

QT_VERSION=6.4.2
prefix=${TESSALY_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/qt6-mingw-$QT_VERSION}
work=$prefix-work
jobs=${TESSALY_JOBS:-$(nproc)}

fetch_source() {
    rm -rf "$work"
    "$here/debian-source.sh" qt6-base "$work"
}

# Left out to keep the build short: every module the calculator does not link, the tablet
# support (Debian's source lacks wintab.h), OpenGL, Vulkan and the Direct2D platform. The
# DirectWrite 3 font database is left out too: Qt 6.4's static Gui does not carry it although
# the windows platform plugin calls it, so the link fails; Windows then draws text with GDI.
options=(
    -xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
    -nomake examples -nomake tests -nomake benchmarks
    -no-opengl -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3
    -no-feature-sql -no-feature-network -no-dbus -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-vulkan
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
)
configure_qt() {
    local src
    src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$QT_VERSION*" | head -n 1)
    [[ -d $src ]] || { echo "qt6-base source did not unpack" >&2; exit 1; }
    mkdir -p "$work/build"
    (cd "$work/build" && "$src/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}

# A Qt built with other options is built again.
if [[ -f $prefix/.complete && $(<"$prefix/.complete") == "${options[*]}" ]]; then
    echo "Static Qt for Windows: $prefix"
    exit 0
fi
if [[ -f $prefix/.complete ]]; then
    rm -rf "$prefix"
fi
if [[ ! -f $work/build/build.ninja || $(cat "$work/options" 2>/dev/null) != "${options[*]}" ]]; then
    fetch_source
    configure_qt
    echo "${options[*]}" >"$work/options"
fi
started=$SECONDS
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build"
echo "${options[*]}" >"$prefix/.complete"
rm -rf "$work"
echo "Static Qt for Windows: $prefix (built in $(((SECONDS - started) / 60)) min)"
