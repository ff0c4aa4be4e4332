#!/usr/bin/env bash
# Installs what is missing, builds the Windows program and starts it under
# Wine on your display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  echo "No display: DISPLAY is not set. Start this from a desktop session (or over ssh -X)." >&2
  echo "The program is built: build/windows/vodrelik.exe" >&2
  exit 1
fi
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/vodrelik/wine-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8  # GBK as the ANSI code page, as on a Chinese Windows
mkdir -p "$WINEPREFIX"
exec wine build/windows/vodrelik.exe
