#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages. Quick when
# everything is there already.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64 fonts-wine
  xvfb x11-utils xclip imagemagick
  locales fonts-wqy-microhei
  python3 curl time
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes the ANSI code page from the locale: zh_CN gives GBK (936).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
