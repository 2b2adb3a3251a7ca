#!/usr/bin/env bash
# A long session of random but reproducible mouse and key input through the
# menus, play and the editor: the game must never crash, and its resident
# memory at the end must stay within 10% of what it held once warmed up.
# SOAK_SECONDS (default 60) sets the length; SOAK_SEED (default 1) the input.
# The warm-up reference is taken after one minute, or after 15 seconds when
# the whole run is shorter than two minutes. SOAK_CHECK_MEMORY=0 reports the
# figures without judging them (an ASan build holds freed memory back).
# Usage: soak_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Mesa's llvmpipe compiles and keeps a new shader for every new combination
# of drawing state, which grows its memory for minutes whatever the game does
# (well past 10%); softpipe interprets instead, so what is measured here is
# the game's own memory. SOAK_GALLIUM_DRIVER=llvmpipe measures with the JIT.
export GALLIUM_DRIVER=${SOAK_GALLIUM_DRIVER:-softpipe}

BINARY=$1
LENGTH=${SOAK_SECONDS:-60}
SEED=${SOAK_SEED:-1}
REFERENCE_AT=60
[ "$LENGTH" -lt 120 ] && REFERENCE_AT=15
E2E_STEP=0.08

FOLDER=$(copy_game_folder "$2")
# Every level open, so the list leads anywhere.
printf 'completedlevels=99;\n' >"$FOLDER/config.txt"

RANDOM=$SEED
pick() { echo $((RANDOM % $1)); }

# The title screen's "Quit" button, whose click would end the session, and
# its "Options", which lead to full screen: a new window the soak would lose.
outside_quit() {
    [ "$1" -lt 290 ] || [ "$1" -gt 510 ] ||
        { { [ "$2" -lt 340 ] || [ "$2" -gt 388 ]; } && { [ "$2" -lt 420 ] || [ "$2" -gt 468 ]; }; }
}

# Pixels that the game's screens answer, by where the player would aim.
TITLE_BUTTONS=(243 283 323 403)            # Play, Editor, How to play, Credits (x 400)
PLAY_PANEL=(160 190 230 310 510)           # Sel Next, Sel Prev, Remove, Try it out, Exit (x 100)
EDITOR_TABS=(35 100 160)                   # Edit, Rope, Misc (y 60)
EDITOR_ROWS=(110 140 170 200 230 260 290 320 440 570)
KEYS=(Left Right Up Down Return BackSpace space a e z 1 7 KP_5 Escape)

random_point() {
    local x y
    while true; do
        x=$((5 + $(pick 790))); y=$((5 + $(pick 590)))
        outside_quit "$x" "$y" && break
    done
    echo "$x $y"
}

# one_action: a weighted choice among what a player does.
one_action() {
    local roll x y
    roll=$(pick 100)
    if [ "$roll" -lt 14 ]; then
        click 400 "${TITLE_BUTTONS[$(pick 4)]}"; echo "title button"
    elif [ "$roll" -lt 20 ]; then
        click 400 514; echo "back"
    elif [ "$roll" -lt 30 ]; then
        click 400 $((70 + 11 * ($(pick 21) + 1) + 5)); echo "level row"
    elif [ "$roll" -lt 40 ]; then
        drag 422 336 567 430; echo "rope between docks"
    elif [ "$roll" -lt 48 ]; then
        read -r x y < <(random_point)
        local x2=$((x + $(pick 200) - 100)) y2=$((y + $(pick 200) - 100))
        [ "$x2" -lt 5 ] && x2=5; [ "$y2" -lt 5 ] && y2=5
        outside_quit "$x2" "$y2" || { x2=600; y2=100; }
        drag "$x" "$y" "$x2" "$y2"; echo "drag"
    elif [ "$roll" -lt 60 ]; then
        click 100 "${PLAY_PANEL[$(pick 5)]}"; echo "play panel"
    elif [ "$roll" -lt 64 ]; then
        drag $((20 + $(pick 160))) 270 $((20 + $(pick 160))) 270; echo "slider"
    elif [ "$roll" -lt 70 ]; then
        click "${EDITOR_TABS[$(pick 3)]}" 60; echo "editor tab"
    elif [ "$roll" -lt 80 ]; then
        click $((40 + 100 * $(pick 2))) "${EDITOR_ROWS[$(pick 10)]}"; echo "editor button"
    elif [ "$roll" -lt 88 ]; then
        xdotool type --delay 30 "$(printf 'soak%d' "$(pick 1000)")"; echo "typing"
    elif [ "$roll" -lt 94 ]; then
        xdotool key --delay 30 "${KEYS[$(pick ${#KEYS[@]})]}"; echo "key"
    else
        read -r x y < <(random_point)
        click "$x" "$y"; echo "click"
    fi
}

start_display
answer_message_boxes
start_game "$BINARY" "$FOLDER"

declare -A visited=()
samples=()
reference=""
restarts=0
started=$SECONDS
next_minute=${SOAK_SAMPLE_EVERY:-60}
actions=0
sample() { samples+=("$1s:$(resident_kb "$E2E_GAME_PID")kB"); }
sample 0
while [ $((SECONDS - started)) -lt "$LENGTH" ]; do
    what=$(one_action) || fail "input was refused after $actions actions"
    visited[$what]=1
    # SOAK_TRACE=<file> logs every action with the memory after it.
    [ -n "${SOAK_TRACE:-}" ] && echo "$((SECONDS - started)) $(resident_kb "$E2E_GAME_PID") $what" >>"$SOAK_TRACE"
    actions=$((actions + 1))
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        wait "$E2E_GAME_PID" && code=0 || code=$?
        E2E_GAME_PID=""
        [ "$code" -eq 0 ] || fail "the game ended with code $code after $actions actions (seed $SEED, last: $what)"
        # A click that reached "Quit" all the same: an orderly end, start again.
        restarts=$((restarts + 1))
        start_game "$BINARY" "$FOLDER"
        reference=""
    fi
    elapsed=$((SECONDS - started))
    if [ -z "$reference" ] && [ "$elapsed" -ge "$REFERENCE_AT" ]; then
        reference=$(resident_kb "$E2E_GAME_PID")
        sample "$elapsed"
    fi
    if [ "$elapsed" -ge "$next_minute" ]; then
        sample "$elapsed"
        next_minute=$((next_minute + ${SOAK_SAMPLE_EVERY:-60}))
    fi
done
final=$(resident_kb "$E2E_GAME_PID")
sample $((SECONDS - started))

quit_by_signal
echo "soak: seed $SEED, $LENGTH s, $actions actions, $restarts restart(s)"
echo "visited: ${!visited[*]}"
echo "resident memory: ${samples[*]}"
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"
[ -n "$reference" ] || fail "the run was too short to take a reference"
growth=$(awk -v a="$reference" -v b="$final" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')
echo "from $reference kB at ${REFERENCE_AT}s to $final kB at the end: $growth%"
if [ "${SOAK_CHECK_MEMORY:-1}" != 0 ]; then
    awk -v g="$growth" 'BEGIN { exit !(g <= 10 && g >= -10) }' ||
        fail "resident memory moved by $growth% after warm-up"
fi
echo "PASS soak_test"
