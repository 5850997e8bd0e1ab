#!/usr/bin/env bash
# Black-box checks of the real program on a virtual X screen, driven by xdotool as a player
# would: windows found by caption, keys and clicks, exit codes and the files the game writes.
#   game_blackbox.sh GAME_DIR
set -uo pipefail
game_dir=$1
source "$(dirname "$0")/xvfb_session.sh"

# A fresh copy of the game's folder, so the test writes nowhere else; music off ("0").
fresh_game() {
    local dir=$work/$1
    mkdir -p "$dir"
    cp "$game_dir"/tezra "$game_dir"/*.wav "$game_dir"/*.mid "$game_dir"/dat_cot.ini "$dir"/
    printf '0\r\n' >"$dir/dat_midi.ini"
    echo "$dir"
}

# Purple pixels in the score box where the hundreds and tens of the score stand.
score_digits() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$work/shot.png" 2>/dev/null
    convert "$work/shot.png" -crop "20x24+$((X + 575))+$((Y + 62))" txt:- 2>/dev/null |
        grep -ci "#C000C0"
}

# The colour of a pixel of the window, as #RRGGBB.
pixel() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$work/shot.png" 2>/dev/null
    convert "$work/shot.png" -crop "1x1+$((X + $1))+$((Y + $2))" -depth 8 txt:- 2>/dev/null |
        grep -o "#[0-9A-F]\{6\}" | head -1
}

# Every visible window of the running game: the program's icon and the class its desktop entry
# names (StartupWMClass). Failures are counted, and reported together at the end.
windows_checked=0
windows_wrong=()
check_windows() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
        windows_checked=$((windows_checked + 1))
        [[ "$(xprop -id "$w" _NET_WM_ICON)" == "_NET_WM_ICON(CARDINAL) = "* ]] ||
            windows_wrong+=("$(xdotool getwindowname "$w"): no icon")
        [ "$(xprop -id "$w" WM_CLASS)" = 'WM_CLASS(STRING) = "tezra", "Tezra"' ] ||
            windows_wrong+=("$(xdotool getwindowname "$w"): $(xprop -id "$w" WM_CLASS)")
    done
}

echo "== Answers and refusals without a display"
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game_dir/tezra" "$@"; }
out=$(no_display --version 2>&1); code=$?
if [ "$code" -eq 0 ] && [ "$out" = "Tezra 3.0" ]; then pass "--version: $out"; else fail "--version gave $code: $out"; fi
out=$(no_display --help 2>&1); code=$?
if [ "$code" -eq 0 ] && grep -q -- "--scale <N>" <<<"$out" && grep -q -- "--stage <N>" <<<"$out"; then
    pass "--help lists the switches"
else
    fail "--help gave $code: $out"
fi
out=$(no_display --level 1 2>&1); code=$?
if [ "$code" -eq 1 ] && [ "$out" = "no display: Tezra needs a graphical desktop" ]; then
    pass "no display: one line and exit code 1"
else
    fail "without a display: exit code $code and: $out"
fi
out=$(no_display --level 3 --levels 1 2>&1); code=$?
if [ "$code" -eq 2 ] && [ "$(head -1 <<<"$out")" = "--level: level 3 is not among the lesson's levels (1)." ] &&
    grep -q -- "--levels <list>" <<<"$out"; then
    pass "--level 3 --levels 1: refused with the usage and exit code 2"
else
    fail "--level 3 --levels 1 gave $code: $out"
fi
# A display that names no server: Qt's platform fails for another reason, and must not abort.
out=$(DISPLAY=:1999 "$game_dir/tezra" 2>&1); code=$?
if [ "$code" -eq 1 ] && [ "$(tail -1 <<<"$out")" = "no display: Tezra needs a graphical desktop" ] &&
    ! grep -q "Reinstalling" <<<"$out"; then
    pass "a display with no server: the line and exit code 1"
else
    fail "a display with no server: exit code $code and: $out"
fi

echo "== A game over, its continue, and the end button"
dir=$(fresh_game over)
start_game "$dir" --level 1 --stage 1
wait_window Tezra || fail "no play window"
sleep 1
# 10 is never an invader's angle at the start of a stage, so each shot misses: 10 misses
# use up the 300 points.
for _ in $(seq 10); do keys 1 0 Return; sleep 1; done
sleep 9  # the flash and the typed message, then the game-over screen over the field
check_windows
click 126 357  # "今のステージをもう１回", on the game-over screen over the play field
sleep 1
# The continue starts again with 300 points: purple digits left of where a lone "0" stands.
if kill -0 "$game" 2>/dev/null && [ "$(score_digits)" -gt 0 ]; then
    pass "the game went on with 300 after the game over"
else
    fail "no continue after the game over"
fi
click 596 436  # "おわり"
if ended_within "$game" 3 && [ "$code" -eq 0 ]; then
    pass "\"おわり\" ended the program with 0 after the continue"
else
    fail "the game did not end after \"おわり\" (locked up?)"
fi
stop_games

echo "== Enter with nothing to fire keeps the stage"
dir=$(fresh_game enter)
start_game "$dir" --level 1 --stage 3 --launcher-option file.txt  # unknown arguments are ignored
wait_window Tezra || fail "no play window"
sleep 1
keys 1 9 0 Return
sleep 1
if kill -0 "$game" 2>/dev/null && [ "$(cat "$dir/dat_midi.ini")" = $'0\r' ]; then
    pass "1 9 0 Enter left the game on its stage"
else
    fail "1 9 0 Enter left the stage (the play screen was unloaded)"
fi

echo "== One copy at a time"
first=$game
start_game "$dir" --level 1 --stage 1
if ended_within "$game" 1 && [ "$code" -eq 0 ]; then pass "a second copy ended at once"; else fail "a second copy kept running"; fi
if kill -0 "$first" 2>/dev/null; then pass "the first copy lives on"; else fail "the first copy died"; fi

stop_games

echo "== The title, the read-me, the briefing and the play screen"
dir=$(fresh_game title)
start_game "$dir"
if wait_window "Tezra \[ｽﾀｰﾄ\]"; then pass "the program starts on its title"; else fail "no title"; fi
check_windows
first=$game
start_game "$dir"
if ended_within "$game" 1 && kill -0 "$first" 2>/dev/null; then
    pass "a second start ended within a second while the first lives on"
else
    fail "a second start did not end at once"
fi
game=$first
sleep 0.5
keys shift+F1
wait_window "Tezra \[読んでね\]" && readme=$window || fail "Shift+F1 opened no read-me"
check_windows
click 229 320  # "ＯＫ"
sleep 0.5
if wait_window "Tezra \[読んでね\]" && [ "$window" != "$readme" ]; then
    pass "ＯＫ opened the briefing"
else
    fail "ＯＫ opened no briefing"
fi
click 229 320  # "スタート"
sleep 1
# Level 1, stage 1: the red line runs to the right of the cannon.
if wait_window Tezra && [ "$(pixel 516 351)" = "#FF0000" ]; then
    pass "スタート opened the play screen at level 1 stage 1"
else
    fail "スタート did not open level 1 stage 1"
fi
check_windows
stop_games

echo "== A lesson of level 1 only"
dir=$(fresh_game levels)
start_game "$dir" --levels 1
wait_window "Tezra \[ｽﾀｰﾄ\]" || fail "no title"
sleep 0.5
keys shift+F7
sleep 1
# Still the title alone, with no read-me over or instead of it.
seen=$(for w in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do xdotool getwindowname "$w"; done)
keys shift+F1
if [ "$seen" = "Tezra [ｽﾀｰﾄ]" ] && wait_window "Tezra \[読んでね\]"; then
    pass "--levels 1: Shift+F7 on the title did nothing, Shift+F1 opened the read-me"
else
    fail "--levels 1: after Shift+F7 the windows were: ${seen:-none}; or Shift+F1 opened no read-me"
fi
stop_games

# Leaves a game at level 1 stage 1 with 300 points over a high score of 100, and types あい on
# the name entry; a step given after the folder runs between the entry's coming and the typing.
type_at_name_entry() {  # dir [step]
    printf ' 100\r\n\x82\xb8\x82\xd1\r\n' >"$1/dat_high.ini"
    start_game "$1" --level 1 --stage 1
    wait_window Tezra || fail "no play window"
    sleep 0.5
    click 596 436  # "おわり"
    sleep 1
    ${2:-:}
    # The name entry (411 x 442) stands in the middle of the 1024 x 768 screen.
    xdotool mousemove 326 367 click 1 mousemove 350 367 click 1  # "あ", "い"
    sleep 0.3
}

echo "== A new high score and its name, typed on the on-screen keyboard"
dir=$(fresh_game name)
type_at_name_entry "$dir"
xdotool mousemove 646 583 click 1  # "OK（おわり）"
expected=$(printf ' 300\r\n\x82\xa0\x82\xa2\r\n' | od -An -tx1)
if ended_within "$game" 3 && [ "$(od -An -tx1 "$dir/dat_high.ini")" = "$expected" ]; then
    pass "the name entry stored \" 300\" and あい in code page 932"
else
    fail "the high-score file holds $(od -An -tx1 "$dir/dat_high.ini")"
fi

echo "== A logout at the name entry keeps the name typed so far"
dir=$(fresh_game term)
type_at_name_entry "$dir" check_windows
kill -TERM "$game"
if ended_within "$game" 3 && [ "$code" -eq 0 ] &&
    [ "$(od -An -tx1 "$dir/dat_high.ini")" = "$expected" ]; then
    pass "SIGTERM stored \" 300\" and あい and ended with 0"
else
    fail "after SIGTERM: exit code ${code:-none}, the file holds $(od -An -tx1 "$dir/dat_high.ini")"
fi

echo "== Two shots typed are recorded, and Ctrl+Shift+K on the title shows the record"
dir=$(fresh_game record)
printf ' 9999\r\n\x82\xb8\x82\xd1\r\n' >"$dir/dat_high.ini"  # no name entry at the end
start_game "$dir" --level 1 --stage 1
wait_window Tezra || fail "no play window"
sleep 1
keys 9 0 Return
sleep 3  # the shot, its judgement and what follows it
keys 1 2 0 Return
sleep 3
click 596 436  # "おわり"
ended_within "$game" 3
typed=$(tail -n +2 "$dir/results.csv" | tr -d '\r' | awk -F, '{ printf "%s ", $6 }')
if [ "$(head -c 3 "$dir/results.csv" | od -An -tx1)" = " ef bb bf" ] &&
    [ "$(wc -l <"$dir/results.csv")" -eq 3 ] && [ "$typed" = "90 120 " ]; then
    pass "results.csv holds its header and the two shots, typed 90 and 120"
else
    fail "results.csv: $(cat "$dir/results.csv" 2>&1)"
fi
start_game "$dir"
wait_window "Tezra \[ｽﾀｰﾄ\]" || fail "no title"
keys ctrl+shift+k
if wait_window "きろく"; then
    sleep 0.5
    import -window root "${TEZRA_SHOTS:-$work}/results_screen.png" 2>/dev/null
    check_windows
    pass "Ctrl+Shift+K on the title opened 「きろく」"
else
    fail "Ctrl+Shift+K on the title opened no 「きろく」"
fi
stop_games

echo "== The touch keys: 9, 0 and 「発射」 clicked fire a shot typed 90"
dir=$(fresh_game keypad)
printf ' 9999\r\n\x82\xb8\x82\xd1\r\n' >"$dir/dat_high.ini"  # no name entry at the end
start_game "$dir" --level 1 --stage 1 --keypad
wait_window Tezra || fail "no play window"
sleep 1
click 818 224  # "9", in the keypad right of the field
click 710 296  # "0"
click 746 368  # "発射"
sleep 0.3
import -window root "${TEZRA_SHOTS:-$work}/keypad_fan.png" 2>/dev/null
sleep 3  # the shot, its judgement and what follows it
click 596 436  # "おわり"
ended_within "$game" 3
typed=$(tail -n +2 "$dir/results.csv" 2>/dev/null | tr -d '\r' | awk -F, '{ printf "%s ", $6 }')
if [ "$typed" = "90 " ]; then
    pass "the touch keys fired one shot, typed 90"
else
    fail "after the touch keys results.csv holds: $(cat "$dir/results.csv" 2>&1)"
fi
stop_games

echo "== --scale larger than the screen"
dir=$(fresh_game scale)
start_game "$dir" --scale 3 --level 1 --stage 1
wait_window Tezra || fail "no play window"
check_windows
width=$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')
if [ "$width" = 634 ] && grep -qx -- "--scale 3 does not fit this screen: using 1" "$dir/out.log"; then
    pass "--scale 3 on 1024 x 768 played at 1, and said so"
else
    fail "--scale 3 on 1024 x 768: a window $width wide"
fi
stop_games

if [ "$windows_checked" -ge 7 ] && [ "${#windows_wrong[@]}" -eq 0 ]; then
    pass "all $windows_checked windows seen had the icon and WM_CLASS tezra, Tezra"
else
    fail "$windows_checked windows seen; wrong: ${windows_wrong[*]:-none}"
fi

echo "$((22 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
