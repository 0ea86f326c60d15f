#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Tessaly developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under strace on a virtual X display, types into every tab with xdotool,
# leaves with Alt+X, and fails if it opened an internet socket (AF_INET, AF_INET6) or created or
# wrote a file outside the toolkit's caches. Prints every socket and every write it saw.
#   tools/no_network_check.sh [path/to/tessaly-bitrate]
set -euo pipefail
app=$(realpath "${1:-build/app/tessaly-bitrate}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CACHE_HOME=$work/home/.cache XDG_CONFIG_HOME=$work/home/.config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

cat >"$work/session" <<'SESSION'
set -euo pipefail
strace -f -qq -o "$TRACE" -e trace=socket,connect,open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,unlink,unlinkat,truncate "$APP" &
pid=$!
window=$(timeout 60 xdotool search --sync --name "Tessaly Video Bitrate Calculator" | head -n1)
xdotool windowfocus --sync "$window"
keys() { xdotool key --clearmodifiers --delay 40 "$@"; }
keys Tab; xdotool type --delay 40 "1400"                 # Bitrate Calculator: txtSize
keys ctrl+Tab Tab; xdotool type --delay 40 "90"          # Audio and HD Space
keys ctrl+Tab Tab; xdotool type --delay 40 "700"; keys Tab Down Down  # Data Conversion: a unit
keys ctrl+Tab ctrl+Tab                                     # Info, then back to the first tab
keys alt+x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then echo "the program did not end on Alt+X" >&2; kill "$pid"; exit 1; fi
wait "$pid"
SESSION
# A desktop session has a session bus. Without one, where dbus-x11 is installed, the toolkit's
# first bus call autolaunches a bus daemon as the program's child, which outlives it under strace.
TRACE=$work/trace APP=$app xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$work/session"

echo "sockets opened:"
grep -E ' socket\(' "$work/trace" | sed 's/^[0-9]* */  /' | sort | uniq -c || true
internet=$(grep -cE ' socket\((AF_INET|AF_INET6|PF_INET|PF_INET6),' "$work/trace" || true)

# Writes: opens for writing or creating, and every call that changes a folder, that succeeded.
grep -E ' (open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT)|(mkdir|mkdirat|rename|renameat2?|link|linkat|symlink|unlink|unlinkat|truncate)\(' \
    "$work/trace" | grep -v '= -1 ' >"$work/writes" || true
echo "files created or written:"
sed 's/^[0-9]* */  /' "$work/writes" | sed "s|$work|\$TMP|g" | sort | uniq -c || true
outside=$(grep -oE '"[^"]*"' "$work/writes" | tr -d '"' | grep -vE "^($XDG_CACHE_HOME|$XDG_RUNTIME_DIR)(/|$)|^/dev/(null|shm/)" || true)

status=0
if ((internet > 0)); then
    echo "FAIL: the program opened $internet internet socket(s)" >&2
    status=1
fi
if [[ -n $outside ]]; then
    echo "FAIL: the program wrote outside the toolkit's caches:" >&2
    echo "$outside" | sed "s|$work|\$TMP|g" >&2
    status=1
fi
((status == 0)) && echo "no internet socket, no file outside the toolkit's caches"
exit $status
