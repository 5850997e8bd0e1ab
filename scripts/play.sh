#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh play
build=${BUILD_DIR:-build}
scripts/configure.sh play "$build" ${CMAKE_ARGS:-}
cmake --build "$build" --target tezra
exec "$build/game/tezra" "$@"
