#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the game need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6
    libfluidsynth-dev timgm6mb-soundfont
    fonts-ipafont-gothic
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick
    dpkg-dev file appstream
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
