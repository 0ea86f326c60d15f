#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the window program from a terminal without a display, as over ssh or from a console:
# --help and --version answer, a wrong option or argument is refused, Qt's own options pass
# through to the toolkit, and whatever keeps every platform from opening the window (no display,
# an unreachable one, a missing or broken plugin) gets one line and status 1, never Qt's abort.
#   options_test.sh PROGRAM VERSION X_CHECK PLATFORMS
# (X_CHECK is 1 when the program tries DISPLAY; PLATFORMS is Qt's folder of platform plugins)
set -uf
program=$1 version=$2 x_check=$3 platforms=$4
failures=0
nl=$'\n'
what_to_do="set DISPLAY or WAYLAND_DISPLAY, or QT_QPA_PLATFORM=offscreen for a test"
no_display="tessaly-bitrate: no display to open the window on: $what_to_do"
no_wayland="Qt's Wayland platform plugin is not installed (Debian: qt6-wayland): install it, or set DISPLAY for X11, or QT_QPA_PLATFORM=offscreen for a test"
try_help="Try 'tessaly-bitrate --help'."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# row STATUS "ENVIRONMENT" "ARGUMENTS" "STDOUT" "STDERR": the program runs with none of the
# variables that choose Qt's platform but the ENVIRONMENT given, for at most 3 seconds (status
# 124 when the window was still open then). An expected text ending in " ..." is a prefix; "*"
# takes any text (Qt's own remarks about the machine). Status 1 comes with one line, always.
row() {
    local status=$1 environment=$2 args=$3 want_out=$4 want_err=$5 out err got
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u QT_PLUGIN_PATH \
          -u QT_QPA_PLATFORM_PLUGIN_PATH -u QT_DEBUG_PLUGINS $environment \
          timeout 3 "$program" $args 2>"$scratch/err")
    got=$?
    err=$(<"$scratch/err")
    [[ $status == 1 && $err == *"$nl"* ]] && got="1 with more than one line"
    if [[ $want_out == *" ..." ]]; then out=${out:0:${#want_out}-4}; want_out=${want_out% ...}; fi
    [[ $want_err == "*" ]] && want_err=$err
    if [[ $want_err == *" ..." ]]; then err=${err:0:${#want_err}-4}; want_err=${want_err% ...}; fi
    if [[ $got != "$status" || $out != "$want_out" || $err != "$want_err" ]]; then
        printf 'FAIL: %s %s\n  status %s, want %s\n  stdout: %s\n  want:   %s\n  stderr: %s\n  want:   %s\n' \
            "$environment" "$args" "$got" "$status" "$out" "$want_out" "$err" "$want_err"
        failures=$((failures + 1))
    fi
}

# Text in the terminal, no window.
row 0 "" "--help" "Usage: tessaly-bitrate [options]${nl}Opens the window ..." ""
row 0 "" "-h" "Usage: tessaly-bitrate [options]${nl}Opens the window ..." ""
row 0 "" "--version" "tessaly-bitrate $version" ""
row 0 "" "-v -platform offscreen" "tessaly-bitrate $version" ""

# Usage errors: the message, a pointer to --help, status 2.
row 2 "" "--frob" "" "tessaly-bitrate: unknown option --frob${nl}$try_help"
row 2 "" "-x" "" "tessaly-bitrate: unknown option -x${nl}$try_help"
row 2 "" "-style -x --frob=1" "" "tessaly-bitrate: unknown option --frob${nl}$try_help"
row 2 "" "extra" "" "tessaly-bitrate: unexpected argument \"extra\"${nl}$try_help"
row 2 "" "-platform" "" "tessaly-bitrate: -platform needs a value${nl}$try_help"
row 2 "" "-style fusion --platform" "" "tessaly-bitrate: --platform needs a value${nl}$try_help"
row 2 "" "--help=1" "" "tessaly-bitrate: option --help takes no value${nl}$try_help"
row 2 "" "-platform=offscreen" "" \
    "tessaly-bitrate: Qt reads the value of -platform as the next word: -platform VALUE${nl}$try_help"

# No display to open: one line, status 1, however the X11 platform was chosen.
row 1 "" "" "" "$no_display"
row 1 "" "-platform xcb" "" "$no_display"
row 1 "QT_QPA_PLATFORM=xcb" "-style fusion" "" "$no_display"
row 1 "" "-platform XCB" "" "$no_display"

# No such platform, or one that cannot open here: one line, status 1.
row 1 "" "-platform nosuch" "" "tessaly-bitrate: no platform \"nosuch\": Qt has ..."
row 1 "QT_QPA_PLATFORM=nosuch" "" "" "tessaly-bitrate: no platform \"nosuch\" in QT_QPA_PLATFORM: Qt has ..."
row 1 "" "-platform linuxfb:fb=/nonexistent/fb0" "" \
    "tessaly-bitrate: Qt cannot open the window with the platform \"linuxfb:fb=/nonexistent/fb0\" ..."
row 124 "QT_QPA_PLATFORM=nosuch;offscreen" "" "" "*"

# A Qt of the test's own, read through a qt.conf beside a copy of the program: this machine's
# platform plugins but Wayland's, whether qt6-wayland is installed or not, and a broken one.
mkdir -p "$scratch/plugins/platforms"
set +f
for plugin in "$platforms"/*; do
    [[ ${plugin##*/} == libqwayland* ]] || ln -s "$plugin" "$scratch/plugins/platforms/"
done
set -f
: >"$scratch/plugins/platforms/libqbroken.so"
: >"$scratch/qt.conf"
ln "$program" "$scratch/tessaly-bitrate" 2>/dev/null || cp "$program" "$scratch/tessaly-bitrate"
program=$scratch/tessaly-bitrate
row 1 "WAYLAND_DISPLAY=wayland-9" "" "" "tessaly-bitrate: WAYLAND_DISPLAY is set, but $no_wayland"
row 1 "XDG_SESSION_TYPE=wayland" "" "" "tessaly-bitrate: XDG_SESSION_TYPE is wayland, but $no_wayland"
row 1 "" "-platform broken" "" \
    "tessaly-bitrate: Qt cannot open the window with the platform \"broken\" (QT_DEBUG_PLUGINS=1 shows why): $what_to_do"
row 124 "" "-platform offscreen" "" "*"
program=$1

# Qt's own options reach the toolkit: the window opens off-screen and is still open at 3 s.
row 124 "" "-platform offscreen -style fusion" "" "*"
row 124 "" "--platform offscreen -reverse" "" "*"
row 124 "QT_QPA_PLATFORM=offscreen" "-style=fusion -qwindowtitle Calculator" "" "*"

# A DISPLAY with no X server behind it: the program says so rather than abort.
if ((x_check)); then
    free=4713
    while [[ -e /tmp/.X11-unix/X$free ]] || grep -q "X11-unix/X$free\$" /proc/net/unix; do free=$((free + 1)); done
    row 1 "DISPLAY=:$free" "" "" "tessaly-bitrate: cannot open the X display \":$free\": set DISPLAY ..."
    row 1 "" "-platform xcb -display :$free" "" "tessaly-bitrate: cannot open the X display \":$free\": set DISPLAY ..."
fi

((failures == 0)) || { echo "$failures failure(s)"; exit 1; }
echo "all rows passed"
