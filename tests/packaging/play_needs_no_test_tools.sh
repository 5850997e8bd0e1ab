#!/usr/bin/env bash
# scripts/play.sh must build the game where only the play set is installed: configured as it
# does, with GoogleTest and Google Benchmark unfindable, the folder must configure, have the
# program's target and leave the tests and benchmarks out. The same folder configured as
# scripts/test.sh does afterwards must bring the tests back, whatever play's cache says. A build
# by hand without GoogleTest must still configure, leaving the tests out.
#   play_needs_no_test_tools.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
configure() {
    "$@" >"$work/configure.log" 2>&1 || fail "$* did not configure: $(cat "$work/configure.log")"
}
unfindable=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)

configure "$source_dir/scripts/configure.sh" play "$work/play" "${unfindable[@]}"
ninja -C "$work/play" -t targets all | grep -q '^tezra:' || fail "play has no program target"
[ ! -e "$work/play/tests" ] || fail "play configured the tests"
[ ! -e "$work/play/bench" ] || fail "play configured the benchmarks"

configure "$source_dir/scripts/configure.sh" test "$work/play" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=OFF
[ -f "$work/play/tests/CTestTestfile.cmake" ] || fail "test after play left the tests out"

configure cmake -S "$source_dir" -B "$work/by-hand" -G Ninja "${unfindable[@]}"
grep -q 'GoogleTest not found' "$work/configure.log" || fail "by hand: no word of the missing tests"
echo "ok: play configures without the test set, test after it brings the tests back"
