#!/usr/bin/env bash
# The source archive must hold the tree as a clone has it: every file git tracks or would track,
# and nothing it ignores (build folders) nor its own. Exits with 77 (skipped) outside a git tree.
#   source_archive.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 source_dir=$2
if ! command -v git >/dev/null || ! git -C "$source_dir" rev-parse --show-toplevel >/dev/null 2>&1; then
    echo "skipped: needs a git work tree"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack -B "$work" --config "$build/CPackSourceConfig.cmake" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
archive=$(ls "$work"/*-Source.tar.gz) || fail "no source archive: $(cat "$work/cpack.log")"
top=$(basename "$archive" .tar.gz)
tar -tzf "$archive" | grep -v '/$' | sed "s|^$top/||" | sort >"$work/archived"
git -C "$source_dir" ls-files --cached --others --exclude-standard |
    while read -r file; do [ -e "$source_dir/$file" ] && echo "$file"; done | sort >"$work/tree"
diff "$work/tree" "$work/archived" >"$work/diff" ||
    fail "the archive differs from the tree (< only in the tree, > only in the archive):
$(cat "$work/diff")"
echo "ok: $(basename "$archive") holds the $(wc -l <"$work/tree") files of the tree"
