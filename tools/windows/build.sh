#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What `./dev windows` does once the packages are installed: a static Qt and a static FFmpeg
# for Windows (each built once per machine), GoogleTest for Windows, the cross-build of the
# programs and their tests in build-windows/, every test under Wine on Xvfb, then the zip and
# the installer, which is tried out under Wine: a silent install for the current user, then its
# uninstaller.
set -euo pipefail
cd "$(dirname "$0")/../.."

# Wine needs a display, even for programs that draw offscreen: the whole run gets a virtual one.
if [[ -z ${TESSALY_WINDOWS_XVFB:-} ]]; then
    TESSALY_WINDOWS_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
here=$PWD/tools/windows
out=build-windows
toolchain=$here/mingw-w64-x86_64.cmake
started=$SECONDS

export TESSALY_QT_WINDOWS=${TESSALY_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/qt6-mingw-6.4.2}
"$here/build-qt.sh"
export TESSALY_FFMPEG_WINDOWS=${TESSALY_FFMPEG_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/ffmpeg-mingw-5.1}
"$here/build-ffmpeg.sh"
# pkg-config finds the static FFmpeg and nothing else: never the machine's own Linux libraries.
# Exported for the whole run, as the build configures itself again when a CMakeLists.txt changes.
export PKG_CONFIG_LIBDIR=$TESSALY_FFMPEG_WINDOWS/lib/pkgconfig
unset PKG_CONFIG_PATH PKG_CONFIG_SYSROOT_DIR

# Debian ships GoogleTest as source only; build it with the same compiler and runtime.
gtest=$PWD/$out/googletest
if [[ ! -f $gtest/install/lib/cmake/GTest/GTestConfig.cmake ]]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install"
    cmake --build "$gtest/build"
    cmake --install "$gtest/build"
fi

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSALY_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$TESSALY_QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
    -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
    ${TESSALY_CMAKE_ARGS:-}
# One Wine server for the build's own tool and the tests, with its helper processes started
# here with their output closed: otherwise every program run under Wine starts them anew, and
# they hold its output open for seconds after it has ended.
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaly/wine}
wineserver=/usr/lib/wine/wineserver64
wine_quietly() { "$@" </dev/null >/dev/null 2>&1; }
wine_quietly "$here/wine-run.sh" cmd /c exit  # makes the prefix on first use
wine_quietly "$wineserver" --wait
wine_quietly "$wineserver" -p
trap 'wine_quietly "$wineserver" -k || true' EXIT
wine_quietly /usr/lib/wine/wine64 wineboot

cmake --build "$out"

# Nothing but Windows itself beside the executables: no compiler runtime or Qt DLL.
for exe in "$out"/app/*.exe "$out"/cli/*.exe; do
    [[ -f $exe ]] || continue
    foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
              grep -v -i -x -f "$here/system-dlls.txt" || true)
    if [[ -n $foreign ]]; then
        echo "$exe needs DLLs that Windows does not have: $foreign" >&2
        exit 1
    fi
done

# The window tests draw on Qt's offscreen platform.
ctest --test-dir "$out" --output-on-failure

# The window through Qt's windows platform, as a user meets it: it opens with its title and
# ends on Alt+X with status 0.
"$here/wine-run.sh" "$out/app/tessaly-bitrate.exe" & window_pid=$!
window=$(timeout 60 xdotool search --sync --name "^Tessaly Video Bitrate Calculator$" | head -n 1) ||
    { kill "$window_pid"; echo "the window did not open under Wine" >&2; exit 1; }
xdotool windowfocus --sync "$window" key alt+x
for _ in {1..60}; do kill -0 "$window_pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$window_pid" 2>/dev/null && { kill "$window_pid"; echo "the window did not end on Alt+X" >&2; exit 1; }
wait "$window_pid" || { echo "the window ended with status $?" >&2; exit 1; }
echo "window: opens under Wine and ends on Alt+X"

# The installer's try waits for Wine's server to end, as the uninstaller runs on after its start.
wine_quietly "$wineserver" -k || true
cmake --build "$out" --target windows_packages
"$here/try-installer.sh" "$out"/tessaly-bitrate-*-windows-x64-setup.exe

ls -l "$out"/tessaly-bitrate-*-windows-x64.zip "$out"/tessaly-bitrate-*-windows-x64-setup.exe
echo "./dev windows took $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
