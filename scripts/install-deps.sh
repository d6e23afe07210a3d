#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Lumora needs to build, test and run.
# Does nothing when every package is already there.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev libgl-dev libxcb1-dev libxkbcommon-dev
  libgtest-dev
  clang libclang-rt-14-dev clang-format
  libxcb-damage0-dev libxcb-shape0-dev libxcb-xtest0-dev
  libsqlite3-dev liblz4-dev zlib1g-dev
  xvfb xauth xdotool xclip openbox x11-utils x11-xkb-utils x11-xserver-utils
  xserver-xorg-core xserver-xorg-video-dummy
  kwin-wayland xwayland dbus procps
  mutter pipewire wireplumber python3 python3-gi zenity
  fonts-dejavu-core desktop-file-utils file
  reuse lintian appstream man-db dpkg-dev python3-markdown
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  valgrind
  at-spi2-core python3-pyatspi dbus-x11
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
