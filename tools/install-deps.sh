#!/usr/bin/env bash
# Installs everything needed to build, run and test the simulator on Debian 12.
# Run as root. Safe to run again: apt skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libqt6svg6-dev
  libgtest-dev libbenchmark-dev
  fonts-noto-cjk
  xvfb xauth x11-utils xdotool imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
