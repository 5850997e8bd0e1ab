#!/usr/bin/env bash
# Builds everything with g++ and with clang++, each in its own folder, with every warning an
# error: a warning either compiler finds in the game's code fails the check.
#   scripts/check-compilers.sh [cmake target...]
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
targets=()
for target in "$@"; do targets+=(--target "$target"); done
for compiler in g++ clang++; do
    dir=build-check-$compiler
    echo "== $compiler in $dir"
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$compiler" -DTEZRA_WERROR=ON "${launcher[@]}" >/dev/null
    cmake --build "$dir" "${targets[@]}"
done
echo "Both compilers built without warnings."
