#!/usr/bin/env bash
# Runs a command with a private Wine prefix and a virtual X display of its
# own, and stops both afterwards. Usage: scripts/wine-session.sh COMMAND...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

export WINEPREFIX=${VODRELIK_WINEPREFIX:-$root/build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no prompts for Mono or Gecko
export LC_ALL=zh_CN.UTF-8                  # ANSI code page 936 (GBK)
# WinINet's preconfigured proxy comes from these; the tests talk to loopback.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY ftp_proxy all_proxy ALL_PROXY no_proxy NO_PROXY

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"

stop() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap stop EXIT

for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX (once)"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Named virtual desktops of the screen sizes the tests use.
wine reg import "$root/tests/e2e/desktops.reg" >/dev/null 2>&1

"$@"
