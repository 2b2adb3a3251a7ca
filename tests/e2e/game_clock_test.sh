#!/usr/bin/env bash
# The game keeps its own time whatever the display: with the buffer swap made
# to wait like a 60 Hz display (a preloaded stand-in), and then with every
# frame made to take 40 ms, a few seconds of a level run one update per 10 ms
# of the game's own tick count (within one), while fewer frames than updates
# are drawn, and never more than the display shows. Counts, not wall time:
# the game says at exit what it ran (TANGLOOP_LOG_TIMING) and the stand-in
# counts the swaps.
# Usage: game_clock_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

SHIM=$(realpath "$(dirname "$1")/libpaced_swap.so") || fail "no libpaced_swap.so beside $1"
GAME=$(copy_game_folder "$2")

# The level is played straight from its file; Space lets the ball go.
play_for_a_while() {
    local binary=$1 label=$2
    start_game "$binary" "$GAME" "$GAME/levels/Ramp.txt"
    xdotool mousemove --window "$E2E_WINDOW" 500 300 click 1
    sleep 0.3
    xdotool key space
    sleep 3
    quit_by_signal
    [ "$E2E_EXIT_CODE" = 0 ] || fail "$label: the game ended with $E2E_EXIT_CODE"
    local line
    line=$(grep '^tangloop: timing: ' "$E2E_WORK/game.log") || fail "$label: no timing line"
    echo "$label: $line; $(cat "$E2E_WORK/swaps")"
    local updates frames counted dropped swaps
    read -r updates frames counted dropped < <(echo "$line" |
        sed -E 's/.* ([0-9]+) updates, ([0-9]+) frames, ([0-9]+) ms counted, ([0-9]+) ms dropped.*/\1 \2 \3 \4/')
    swaps=$(awk '{ print $2 }' "$E2E_WORK/swaps")
    local owed=$(( (counted - dropped) / 10 ))
    [ "$updates" -ge $((owed - 1)) ] && [ "$updates" -le $((owed + 1)) ] ||
        fail "$label: $updates updates for $counted ms counted ($dropped dropped): not one per 10 ms"
    [ "$updates" -ge 200 ] || fail "$label: only $updates updates in a few seconds"
    [ "$frames" -lt "$updates" ] || fail "$label: $frames frames for $updates updates"
    [ "$swaps" -eq "$frames" ] || fail "$label: $swaps swaps but $frames frames counted"
    # Never more frames than a 60 Hz display shows (one or two at start aside).
    [ "$frames" -le $((counted * 60 / 1000 + 3)) ] || fail "$label: $frames frames in $counted ms"
    E2E_FRAMES=$frames
    E2E_UPDATES=$updates
}

# A sanitizer build wants its runtime first; the stand-in only wraps the swap.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export LD_PRELOAD="$SHIM${LD_PRELOAD:+:$LD_PRELOAD}" TANGLOOP_SHIM_REPORT="$E2E_WORK/swaps" TANGLOOP_LOG_TIMING=1

export TANGLOOP_SHIM_HZ=60
play_for_a_while "$1" "60 Hz swap"
unset TANGLOOP_SHIM_HZ

export TANGLOOP_SHIM_FRAME_MS=40
play_for_a_while "$1" "40 ms frames"
# A frame of 40 ms carries four updates.
[ $((E2E_FRAMES * 3)) -lt "$E2E_UPDATES" ] || fail "40 ms frames: $E2E_FRAMES frames for $E2E_UPDATES updates"
unset TANGLOOP_SHIM_FRAME_MS

echo "PASS"
