#!/usr/bin/env bash
# Configures a build folder for one of the two sets of scripts/install-deps.sh:
#   scripts/configure.sh play BUILD_DIR [cmake args...]   the game alone: nothing of the test set
#   scripts/configure.sh test BUILD_DIR [cmake args...]   everything, GoogleTest required
# BUILD_DIR is taken from the source folder. Each set names every switch it depends on, since
# the folder's cache keeps what the other set left there.
set -euo pipefail
cd "$(dirname "$0")/.."
usage() {
    echo "usage: $0 play|test BUILD_DIR [cmake args...]" >&2
    exit 2
}
[ $# -ge 2 ] || usage
case $1 in
    play) set_args=(-DTEZRA_TESTS=OFF -DTEZRA_BENCH=OFF) ;;
    test) set_args=(-DTEZRA_TESTS=ON -DTEZRA_BENCH=ON -DCMAKE_REQUIRE_FIND_PACKAGE_GTest=ON) ;;
    *) usage ;;
esac
build=$2
shift 2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${set_args[@]}" "$@"
