# Sourced by the black-box tests: a virtual X screen of 1024 x 768 for the test's games, a work
# folder removed at the end, and the steps a player's hands take with xdotool.
work=$(mktemp -d)
failures=0
pids=()

cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and names it once it is ready to take clients. It must not reset
# when the last game of a step closes, or the next step's game may find no display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(head -1 "$work/display")
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$work/run"

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
    [ -n "${dir:-}" ] && [ -f "$dir/out.log" ] && sed "s/^/    game: /" "$dir/out.log"
}
pass() { echo "ok: $*"; }

stop_games() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; wait "$p" 2>/dev/null; done
    pids=()
}

start_game() {  # dir args...
    local dir=$1; shift
    "$dir/tezra" "$@" >"$dir/out.log" 2>&1 &
    game=$!
    pids+=("$game")
}

wait_window() {  # caption
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    return 1
}

ended_within() {  # pid seconds -> exit code in $code
    local i
    for i in $(seq $(($2 * 10))); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"; code=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

keys() { xdotool key --delay 60 "$@"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# Starts the game in a folder at level 1 stage 1, fires one miss and clicks "おわり"; the exit
# code then comes from ended_within. False, with the failure said, when no play window came.
miss_once_and_leave() {  # dir what
    code=
    start_game "$1" --level 1 --stage 1
    if ! wait_window Tezra; then
        fail "$2: no play window"
        stop_games
        return 1
    fi
    sleep 1
    keys 1 0 Return  # 10 is never an invader's angle at a stage's start: a miss
    sleep 2          # the fan, the shot and the miss
    click 596 436    # "おわり"
}
