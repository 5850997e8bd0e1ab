#!/usr/bin/env bash
# Makes the Debian package into a temporary folder and has lintian check it: any error fails,
# and so does any warning about what a package must carry (copyright, changelog, maintainer,
# description, manual page), where a game goes, or ldconfig. The packaged program must also find
# its files and its sound plugin by the relative paths built into it. Exits with 77 (skipped)
# without lintian.
#   lintian_package.sh BUILD_DIR PROGRAM_DIR FILES_FROM_PROGRAM PLUGIN_DIR_FROM_PROGRAM
set -uo pipefail
build=$1 program_dir=$2 files=$3 plugin_dir=$4
if ! command -v lintian >/dev/null || ! command -v dpkg-deb >/dev/null; then
    echo "skipped: lintian is not installed (scripts/install-deps.sh test installs it)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/*.deb)
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/$program_dir
[ -x "$program/tezra" ] || fail "no program in /usr/$program_dir"
[ -f "$program/$files/dat_cot.ini" ] || fail "the program's files are not at $files from it"
[ -f "$program/$plugin_dir/libtezra_sound.so" ] || fail "the plugin is not at $plugin_dir from it"

lintian --fail-on none --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
sed 's/^/    lintian: /' "$work/lintian.log"
forbidden='^E: |^W: .*(copyright|changelog|maintainer|contact|games|ldconfig|description|manpage|manual-page)'
if grep -Eq "$forbidden" "$work/lintian.log"; then
    fail "lintian found what the package must not have"
fi
echo "ok: lintian passes $(basename "$deb")"
