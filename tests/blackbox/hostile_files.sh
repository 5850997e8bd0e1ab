#!/usr/bin/env bash
# The real program in a folder where someone has made its data files links to a file outside
# it: a play and "おわり" must leave that file byte for byte as it was, and the link a link. Also
# a hard link in a folder closed to new files, played as nobody when run as root (who may write
# in any folder).
#   hostile_files.sh GAME_DIR
set -uo pipefail
game_dir=$1
source "$(dirname "$0")/xvfb_session.sh"

# No sound server: the run must not wait for one.
mkdir -p "$work/empty"
export PULSE_SERVER=unix:$work/empty/no-server PULSE_RUNTIME_PATH=$work/empty

# A copy of the game whose data file `link` points at a file elsewhere holding known bytes.
linked_game() {  # name link
    dir=$work/$1
    mkdir -p "$dir" "$work/$1-elsewhere"
    cp "$game_dir"/tezra "$game_dir"/dat_cot.ini "$dir"/
    outside=$work/$1-elsewhere/private
    echo 'root:x:0:0:root:/root:/bin/bash' >"$outside"  # one line: a damaged data file
    cp "$outside" "$work/$1-expected"
    ln -s "$outside" "$dir/$2"
}

play_and_end() {  # what link
    miss_once_and_leave "$dir" "$1" || return
    if ! ended_within "$game" 5 || [ "$code" -ne 0 ]; then
        fail "$1: did not end with 0 after \"おわり\" (exit code ${code:-none})"
    elif ! cmp -s "$outside" "$work/$1-expected" || [ ! -L "$dir/$2" ] ||
        [ "$(ls -A "$(dirname "$outside")")" != private ]; then
        fail "$1: the file outside was touched, or the link replaced"
    else
        pass "$1: a play left the file outside and the link as they were"
    fi
    stop_games
}

linked_game music dat_midi.ini
play_and_end music dat_midi.ini
linked_game high dat_high.ini
play_and_end high dat_high.ini

echo "== A hard link to a file outside, in a folder closed to new files"
dir=$work/hard
mkdir -p "$dir" "$work/hard-elsewhere" "$work/hard-run"
cp "$game_dir"/tezra "$game_dir"/dat_cot.ini "$dir"/
printf '0\r\n' >"$dir/dat_midi.ini"
outside=$work/hard-elsewhere/scores
printf ' 100\r\n\x82\xb8\x82\xd1\r\n' >"$outside"  # 100 points: the game's 300 beat them
cp "$outside" "$work/hard-expected"
ln "$outside" "$dir/dat_high.ini"
player=()
if [ "$(id -u)" -eq 0 ]; then
    chmod 755 "$work" "$work/hard-elsewhere"
    chown -R 65534:65534 "$dir" "$outside" "$work/hard-run"
    player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$work/hard-run"
chmod 500 "$dir"
# No user folder to fall back on: the scores must stay in the game's folder.
"${player[@]}" env -u XDG_DATA_HOME HOME=/nonexistent XDG_RUNTIME_DIR="$work/hard-run" \
    "$dir/tezra" --level 1 --stage 1 >"$work/hard.log" 2>&1 &
game=$!
pids+=("$game")
code=
if wait_window Tezra; then
    sleep 0.5
    click 596 436  # "おわり": a new high score, and its name entry in the middle of the screen
    sleep 1
    xdotool mousemove 326 367 click 1 mousemove 350 367 click 1  # "あ", "い"
    sleep 0.3
    xdotool mousemove 646 583 click 1  # "OK（おわり）"
    ended_within "$game" 5
fi
if [ "$code" != 0 ] || ! cmp -s "$outside" "$work/hard-expected" ||
    [ "$(stat -c %h "$dir/dat_high.ini")" != 2 ] ||
    ! grep -q "^Cannot save $dir/dat_high.ini: it has other links" "$work/hard.log"; then
    fail "hard link: exit code ${code:-none}, outside $(od -An -tx1 "$outside"), links $(stat -c %h "$dir/dat_high.ini")"
    sed "s/^/    game: /" "$work/hard.log"
else
    pass "hard link: the new high score was not written into the file outside, and said so"
fi
stop_games
chmod 700 "$dir"

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
