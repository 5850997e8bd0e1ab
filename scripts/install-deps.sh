#!/usr/bin/env bash
# Installs the Debian packages the game needs, in two sets:
#   scripts/install-deps.sh play   to build and run the game
#   scripts/install-deps.sh test   play's set and the tools the tests drive
# apt may add packages but never remove one. When everything is present it only checks.
set -euo pipefail

play=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6
    libfluidsynth-dev timgm6mb-soundfont
    fonts-ipafont-gothic qt6-translations-l10n
)
test=(
    "${play[@]}"
    libgtest-dev
    xvfb xauth xdotool imagemagick
    pulseaudio pulseaudio-utils python3
    appstream dpkg-dev file lintian
)

case ${1:-} in
    play) packages=("${play[@]}") ;;
    test) packages=("${test[@]}") ;;
    *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null |
    awk '$1 == "ii" { print $2 }') || true
missing=()
for p in "${packages[@]}"; do
    grep -qx "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends --no-remove "${missing[@]}"
