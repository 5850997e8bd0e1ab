#!/usr/bin/env bash
# The real program in a folder where someone has made its data files links to a file outside
# it: a play and "おわり" must leave that file byte for byte as it was, and the link a link.
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

echo "$((2 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
