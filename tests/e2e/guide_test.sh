#!/usr/bin/env bash
# A new player's first levels: each of the first three opens with its ball
# in view right of the panel; Space tries, the outcome line says when the
# ball has stopped or left, R returns, Esc leaves for the list; a finished
# level's "Next level" goes straight on to the next one.
# Usage: guide_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
printf 'completedlevels=2;\n' >"$GAME_FOLDER_COPY/config.txt"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list

# ball_pixel <level file>: where ball 0 is seen with the measured camera.
ball_pixel() {
    local ball
    ball=$(level_ball "$1")
    world_to_pixel ${ball% *} "$(camera_x)" "$(camera_y)"
}
# ball_seen_at <px> <py>: the ball's light picture is there.
ball_seen_at() {
    [ "$(fx_count "$(screenshot ball)" "8x8+$(($1 - 4))+$(($2 - 4))" "r > 0.6 && g > 0.6 && b > 0.6")" -ge 20 ]
}
# outcome_line: the line under the scene that tells what became of the try.
# Its light letters stand on a band that darkens even the clouds of a sky.
outcome_line() {
    local shot
    shot=$(screenshot outcome) || return 1
    [ "$(fx_count "$shot" "520x40+240+540" "r > 0.75 && g > 0.75 && b > 0.75")" -ge 60 ] &&
        [ "$(fx_count "$shot" "520x40+240+540" "r < 0.5 && g < 0.5 && b < 0.5")" -ge 15000 ]
}

row=0
for name in Bridge Ramp Relay; do
    level="$GAME_FOLDER_COPY/levels/$name.txt"
    click_until "play screen of $name" 400 "$(list_row_y "$row")" in_a_level
    measure_camera "$level"
    read -r px py <<<"$(ball_pixel "$level")"
    [ "$px" -gt $((E2E_PANEL_RIGHT + 15)) ] || fail "$name: the ball starts at x $px, under the panel"
    wait_until 20 "the ball of $name seen at $px $py" ball_seen_at "$px" "$py"
    keep_shot ball "${name}_start"
    if [ "$name" = Bridge ]; then
        # Space: the try runs and the ball falls away from its start.
        press_key space
        wait_until "$E2E_WAIT" "the outcome line after Space in $name" outcome_line
        keep_shot outcome "${name}_outcome"
        # R: the ball is back where it started.
        press_key r
        wait_until 20 "the ball back after R" ball_seen_at "$px" "$py"
    fi
    press_key Escape
    wait_until "$E2E_WAIT" "the level list after Esc in $name" on_level_list
    row=$((row + 1))
done

# Esc on the list is its Back button.
press_key Escape
wait_until "$E2E_WAIT" "the title after Esc on the list" on_title

click_until "level list" "${MENU_PLAY[@]}" on_level_list
play_level Bridge 0 next
measure_camera "$GAME_FOLDER_COPY/levels/Ramp.txt"
progress_is 2 || fail "progress changed by replaying the first level: $(cat "$GAME_FOLDER_COPY/config.txt")"
stop_game
echo "PASS guide_test"
