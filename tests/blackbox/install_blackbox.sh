#!/usr/bin/env bash
# The installed program as a pupil's account runs it: installed into a fresh prefix that this
# user may not write, one shot played under Xvfb and the game ended. The data files must appear
# in the user's data folder and nothing under the prefix may change. Needs root (to play as
# nobody); exits with 77 (skipped) without it or without Xvfb.
#   install_blackbox.sh BUILD_DIR
set -uo pipefail
build=$1
nobody=65534
if [ "$(id -u)" -ne 0 ] || ! command -v Xvfb >/dev/null || ! command -v setpriv >/dev/null; then
    echo "skipped: needs root, Xvfb and setpriv"
    exit 77
fi
work=$(mktemp -d)
chmod 755 "$work"
game=
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$work/out.log" ] && sed "s/^/    game: /" "$work/out.log"
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
listing() { find "$prefix" -printf '%p %s %m %T@\n' | sort; }
listing >"$work/before"

home=$work/home
mkdir -p "$home" "$work/run"
chown "$nobody:$nobody" "$home" "$work/run"
chmod 700 "$work/run"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")

setpriv --reuid=$nobody --regid=$nobody --clear-groups \
    env HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
    "$prefix/bin/tezra" >"$work/out.log" 2>&1 &
game=$!

window=
wait_window() {  # caption (a pattern); sets $window
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    return 1
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# The title, the read-me, the briefing and the first stage, as a child gets there.
wait_window 'Tezra \[ｽﾀｰﾄ\]' || fail "the installed program showed no title"
xdotool key shift+F1
wait_window 'Tezra \[読んでね\]' || fail "Shift+F1 opened no read-me"
readme=$window
click 229 320  # "ＯＫ"
sleep 0.5
wait_window 'Tezra \[読んでね\]' && [ "$window" != "$readme" ] || fail "ＯＫ opened no briefing"
click 229 320  # "スタート"
wait_window '^Tezra$' || fail "スタート opened no play window"
sleep 1
# The sound plugin is found where it was installed, relative to the program.
grep -q "^$prefix/.*/tezra/libtezra_sound.so\$" <(awk '{print $6}' "/proc/$game/maps") ||
    fail "the installed sound plugin was not loaded"
xdotool key --delay 60 1 0 Return  # 10 is never an invader's angle at a stage's start: a miss
sleep 2
xdotool mousemove --window "$window" 596 436 click 1  # "おわり"
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after \"おわり\""
wait "$game" || fail "the game ended with $?"
game=

data=$home/data/Tezra
[ "$(od -An -tx1 "$data/dat_high.ini")" = "$(printf '300\r\n\x82\xb8\x82\xd1\r\n' | od -An -tx1)" ] ||
    fail "no default high score in $data: $(ls -la "$data" 2>&1)"
[ "$(cat "$data/dat_midi.ini")" = $' 1\r' ] || fail "the music switch was not saved in $data"
listing >"$work/after"
diff "$work/before" "$work/after" >/dev/null || fail "the prefix changed: $(diff "$work/before" "$work/after")"
grep -q "Cannot save" "$work/out.log" && fail "the game could not save"
echo "ok: the installed game kept its files in the user's data folder and wrote nothing else"
