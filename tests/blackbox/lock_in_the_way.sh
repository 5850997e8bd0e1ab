#!/usr/bin/env bash
# The real program with something in its lock's place that Qt could not read to its end: a pipe,
# a link to an endless device, a 2 GiB file of holes. Each must be set aside with one line and
# the title come, and a second copy must still end at once.
#   lock_in_the_way.sh GAME_DIR
set -uo pipefail
game_dir=$1
source "$(dirname "$0")/xvfb_session.sh"

mkdir -p "$work/empty"
export PULSE_SERVER=unix:$work/empty/no-server PULSE_RUNTIME_PATH=$work/empty
dir=$work/game
mkdir -p "$dir"
cp "$game_dir"/tezra "$game_dir"/dat_cot.ini "$dir"/
printf '0\r\n' >"$dir/dat_midi.ini"
lock=$XDG_RUNTIME_DIR/tezra.lock

for what in pipe device holes; do
    rm -f "$lock"
    case $what in
        pipe) mkfifo "$lock" ;;
        device) ln -s /dev/zero "$lock" ;;
        holes) truncate -s 2G "$lock" ;;
    esac
    start_game "$dir"
    if ! wait_window "Tezra \[ｽﾀｰﾄ\]"; then
        fail "$what: no title"
        kill -KILL "$game"  # stuck in the read, it takes no other signal
    elif [ "$(grep -c "^Tezra set $lock aside as $lock.set-aside: " "$dir/out.log")" != 1 ]; then
        fail "$what: the title came, but not one line about the lock"
    else
        first=$game
        start_game "$dir"
        if ended_within "$game" 2 && kill -0 "$first" 2>/dev/null; then
            pass "$what: set aside, the title came, and a second copy ended at once"
        else
            fail "$what: a second copy did not end at once"
        fi
    fi
    stop_games
done

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
