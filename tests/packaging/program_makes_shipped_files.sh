#!/usr/bin/env bash
# Building only the program must lay out every file it ships: each one has to be among the
# program target's inputs in the Ninja build graph. Exits with 77 (skipped) for other generators.
#   program_makes_shipped_files.sh BUILD_DIR PROGRAM_TARGET SHIPPED_FILE...
set -uo pipefail
build=$1 target=$2
shift 2
if [ ! -f "$build/build.ninja" ] || ! command -v ninja >/dev/null; then
    echo "skipped: needs a Ninja build"
    exit 77
fi
inputs=$(ninja -C "$build" -t graph "$target" | grep -o 'label="[^"]*"') || {
    echo "FAIL: ninja knows no target $target"
    exit 1
}
status=0
for file in "$@"; do
    relative=$(realpath -m --relative-to="$build" "$file")
    if ! grep -qFx "label=\"$relative\"" <<<"$inputs"; then
        echo "FAIL: building $target does not make $relative"
        status=1
    fi
done
[ $status -eq 0 ] && echo "ok: building $target makes all $# shipped files"
exit $status
