#!/usr/bin/env bash
# The real program with a sound server that accepts and never answers, with none at all, and,
# where PulseAudio is installed, with a real private one whose output is recorded: the game
# answers clicks at once, says in one line of its own when it plays without sound, and is heard
# when there is a server.
#   sound_server.sh GAME_DIR
set -uo pipefail
game_dir=$1
source "$(dirname "$0")/xvfb_session.sh"

# A fresh copy of the game's folder with its sound plugin; `music` is 1 (on) or 0 (off).
fresh_game() {  # name music
    local dir=$work/$1
    mkdir -p "$dir"
    cp "$game_dir"/tezra "$game_dir"/libtezra_sound.so "$game_dir"/*.wav "$game_dir"/*.mid \
        "$game_dir"/dat_cot.ini "$dir"/
    printf '%s\r\n' "$2" >"$dir/dat_midi.ini"
    echo "$dir"
}

# What the game said on standard error, without the leak checker's report of a sanitizer build.
said() {  # dir
    sed '/^-----/,/^-----/d; /^$/d' "$1/out.log"
}

# Milliseconds until the caption names at least `count` visible windows, or empty after 1 s.
windows_within_second() {  # caption count
    local start=$(date +%s%N) i
    for i in $(seq 100); do
        if [ "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l)" -ge "$2" ]; then
            echo $((($(date +%s%N) - start) / 1000000))
            return
        fi
        sleep 0.01
    done
}

# Milliseconds until the process ends, or empty after 1 s.
end_within_second() {  # pid
    local start=$(date +%s%N) i
    for i in $(seq 100); do
        if ! kill -0 "$1" 2>/dev/null; then
            echo $((($(date +%s%N) - start) / 1000000))
            return
        fi
        sleep 0.01
    done
}

echo "== A sound server that accepts and never answers"
timeout 60 python3 -c '
import socket, sys
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(64)
print(s.getsockname()[1], flush=True)
held = []
while True:
    held.append(s.accept()[0])
' >"$work/port" &
listener=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
export PULSE_SERVER=tcp:127.0.0.1:$(cat "$work/port")
dir=$(fresh_game silent 1)
start_game "$dir" --level 1 --stage 1
wait_window Tezra || fail "no play window"
play=$window
sleep 3  # the sound stack has been loaded and waits for the server
click 23 423  # "？"
ms=$(windows_within_second Tezra 2)
if [ -n "$ms" ]; then pass "？ opened the help in $ms ms"; else fail "？ opened no help within 1 s"; fi
stop_games
start_game "$dir" --level 1 --stage 1
wait_window Tezra || fail "no play window"
sleep 6  # the game has given up waiting and plays without sound
click 596 436  # "おわり"
ms=$(end_within_second "$game")
if [ -n "$ms" ] && wait "$game"; then
    pass "おわり ended the program in $ms ms with exit code 0"
else
    fail "おわり did not end it within 1 s with exit code 0"
fi
if [ "$(said "$dir")" = "sound server does not answer: playing without sound" ]; then
    pass "standard error says once that the sound server does not answer"
else
    fail "standard error does not say once that the sound server does not answer"
fi
stop_games
kill "$listener"

echo "== No sound server at all: no socket, or a port nobody listens on"
for server in "unix:$work/no-server" tcp:127.0.0.1:1; do
    export PULSE_SERVER=$server
    start_game "$dir" --level 1 --stage 1
    wait_window Tezra || fail "no play window"
    sleep 2
    click 596 436  # "おわり"
    ended_within "$game" 3 || fail "おわり did not end the program"
    if [ "$(said "$dir")" = "no sound device: playing without sound" ]; then
        pass "$server: standard error says \"no sound device: playing without sound\" alone"
    else
        fail "$server: standard error holds other words about the missing sound server"
    fi
    stop_games
done

echo "== A real sound server with nobody listening but a recorder"
if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null; then
    echo "skipped: pulseaudio and parec are not installed"
else
    mkdir -p "$work/pulse"
    export PULSE_RUNTIME_PATH=$work/pulse PULSE_STATE_PATH=$work/pulse HOME=$work/pulse
    timeout 60 pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --system=no \
        -L module-null-sink -L "module-native-protocol-unix socket=$work/pulse/socket" \
        >"$work/pulse/log" 2>&1 &
    server=$!
    export PULSE_SERVER=unix:$work/pulse/socket
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    # Records what the server plays into the file until stop_recording.
    start_recording() {  # file
        parec -d null.monitor --format=s16le --channels=1 >"$1" 2>/dev/null &
        recorder=$!
    }
    # Stops the recording and puts its loudest sample in $peak.
    stop_recording() {  # file
        kill "$recorder"
        wait "$recorder" 2>/dev/null
        peak=$(python3 -c '
import array, sys
data = open(sys.argv[1], "rb").read()
samples = array.array("h", data[: len(data) // 2 * 2])
print(max((abs(s) for s in samples), default=0))
' "$1")
    }
    # The loudest sample of what the server played while the game ran for three seconds, in $peak;
    # the game is started with $switches.
    peak_of_game() {  # music keys...
        local dir music=$1
        shift
        dir=$(fresh_game "heard$music" "$music")
        start_recording "$dir/heard.raw"
        start_game "$dir" --level 1 --stage 1 ${switches:-}
        wait_window Tezra || fail "no play window"
        sleep 1
        [ $# -gt 0 ] && keys "$@"
        sleep 2
        stop_games
        stop_recording "$dir/heard.raw"
    }
    peak_of_game 0 4 5 Return
    if [ "$peak" -gt 1000 ]; then pass "a shot was heard (peak $peak)"; else fail "a shot was not heard (peak $peak)"; fi
    shot=$peak
    peak_of_game 1
    if [ "$peak" -gt 1000 ]; then pass "the music was heard (peak $peak)"; else fail "no music was heard (peak $peak)"; fi
    music=$peak
    # The same at --volume 20: heard, and far quieter than at full volume.
    quieter_than() {  # what loud music keys...
        local what=$1 loud=$2
        shift 2
        switches="--volume 20" peak_of_game "$@"
        if [ "$peak" -gt 0 ] && [ $((peak * 4)) -lt "$loud" ]; then
            pass "--volume 20: the $what was heard far quieter (peak $peak against $loud)"
        else
            fail "--volume 20: the $what had peak $peak against $loud"
        fi
    }
    quieter_than shot "$shot" 0 4 5 Return
    quieter_than music "$music" 1
    switches=--mute peak_of_game 1 4 5 Return
    if [ "$peak" -lt 100 ]; then pass "--mute: neither the music nor a shot was heard (peak $peak)"; else fail "--mute: something was heard (peak $peak)"; fi
    # Turned down on the teacher's screen mid-run: a shot of the next game is far quieter.
    dir=$(fresh_game turned_down 0)
    export XDG_CONFIG_HOME=$dir/config
    start_game "$dir"
    wait_window "Tezra \[ｽﾀｰﾄ\]" || fail "no title"
    sleep 1
    keys ctrl+shift+s
    if wait_window 先生の設定; then
        click 205 47  # 音量
        keys ctrl+a 2 0
        click 285 321  # "ＯＫ"
        sleep 0.5
        keys shift+F1
        wait_window "Tezra \[読んでね\]" && click 229 320  # "ＯＫ": the briefing
        sleep 0.5
        wait_window "Tezra \[読んでね\]" && click 229 320  # "スタート"
        sleep 1
        wait_window Tezra || fail "no play window"
        start_recording "$dir/heard.raw"
        keys 4 5 Return
        sleep 2
        stop_recording "$dir/heard.raw"
        if [ "$peak" -gt 0 ] && [ $((peak * 4)) -lt "$shot" ]; then
            pass "音量 turned down to 20 mid-run: a shot was far quieter (peak $peak against $shot)"
        else
            fail "音量 turned down to 20 mid-run: a shot had peak $peak against $shot"
        fi
    else
        fail "Ctrl+Shift+S opened no 先生の設定"
    fi
    stop_games
    unset XDG_CONFIG_HOME
    kill "$server"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
