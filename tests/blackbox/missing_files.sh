#!/usr/bin/env bash
# The real program on a machine that lacks what it would like to have: no sound files, no sound
# font, no audio device and no note file, and data files that are folders or binary junk. Each
# time it must start, play a shot and end through its own "おわり" with exit code 0.
#   missing_files.sh GAME_DIR
set -uo pipefail
game_dir=$1
source "$(dirname "$0")/xvfb_session.sh"

# No sound server, no ALSA card, no sound font.
mkdir -p "$work/empty"
: >"$work/alsa.conf"
export PULSE_SERVER=unix:$work/empty/no-server PULSE_RUNTIME_PATH=$work/empty
export ALSA_CONFIG_PATH=$work/alsa.conf AUDIODEV=null TEZRA_SOUNDFONT_DIR=$work/empty

data_files=(dat_high.ini dat_midi.ini dat_cot.ini)

# The program alone in its folder; the data files as `make_data` leaves them.
bare_game() {  # name make_data
    dir=$work/$1
    mkdir -p "$dir"
    cp "$game_dir/tezra" "$dir"/
    for f in "${data_files[@]}"; do $2 "$dir/$f"; done
}
no_file() { :; }
a_folder() { mkdir "$1"; }
junk() { head -c 6000 "$game_dir/tezra" >"$1"; }  # the same bytes on every run

play_a_round() {  # what [name-entry]
    miss_once_and_leave "$dir" "$1" || return
    if [ -n "${2:-}" ]; then
        # A junk high score reads as 0: the 270 points left are a new one, and its name entry
        # (411 x 442) stands in the middle of the screen.
        sleep 1
        xdotool mousemove 646 583 click 1  # "OK（おわり）"
    fi
    if ended_within "$game" 5 && [ "$code" -eq 0 ]; then
        pass "$1: started, played a shot and ended with 0"
    else
        fail "$1: did not end with 0 after \"おわり\" (exit code ${code:-none})"
    fi
    stop_games
}

bare_game missing no_file
play_a_round "no sound, font, audio device or data files"
bare_game folders a_folder
play_a_round "data files that are folders"
bare_game junk junk
play_a_round "data files of binary junk" name-entry
[ "$(head -c 6 "$dir/dat_high.ini")" = " 270"$'\r' ] ||
    fail "the high score was not saved over the junk"

echo "$((3 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
