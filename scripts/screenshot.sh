#!/usr/bin/env bash
# Starts the game on a virtual screen, optionally types keys, and saves a screenshot.
#   scripts/screenshot.sh OUT.png [seconds-before-shot] [game args...] [-- xdotool-keys...]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1; shift
wait=${1:-2}; shift || true
game_args=(); keys=()
while [ $# -gt 0 ]; do
    if [ "$1" = "--" ]; then shift; keys=("$@"); break; fi
    game_args+=("$1"); shift
done
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
sleep 0.5
DISPLAY=$display QT_QPA_PLATFORM=xcb "${BUILD_DIR:-build}/game/tezra" "${game_args[@]}" >/dev/null 2>&1 &
game=$!
sleep 1
for k in "${keys[@]}"; do
    DISPLAY=$display xdotool key --delay 80 "$k" || true
    sleep 0.1
done
sleep "$wait"
DISPLAY=$display import -window root "$out"
