#!/usr/bin/env bash
# Goals and hints as a player meets them: Bridge finished with its par of one
# rope earns the star on the completion screen and in the level list (and
# results.txt keeps it); on Ramp, two tries that fail bring up the Hint
# button, and a press on it lights the two dock points of the solution's first
# rope.
# Usage: goals_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/config.txt" "$GAME_FOLDER_COPY/results.txt"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list

# gold_in <shot name> <area>: pixels of the star's gold there.
gold_in() { fx_count "$(screenshot "$1")" "$2" "r > 0.9 && g > 0.65 && g < 0.95 && b < 0.35"; }
star_on_completion() { [ "$(gold_in completion "70x32+320+316")" -ge 60 ]; }
star_on_first_row() { [ "$(gold_in levels "12x11+255+81")" -ge 8 ]; }

play_level Bridge 0 stay
wait_until 20 "the star on Bridge's completion screen" star_on_completion
keep_shot completion Bridge_star
grep -qx '<Bridge 1>' "$GAME_FOLDER_COPY/results.txt" ||
    fail "results.txt does not hold Bridge at one rope: $(cat "$GAME_FOLDER_COPY/results.txt" 2>/dev/null)"
click_until "level list after Bridge" "${PLAY_RETURN_TO_MENU[@]}" on_level_list
keep_shot levels list_before_star
wait_until 20 "the star on Bridge's row of the list" star_on_first_row
keep_shot levels list_star

# Ramp without a rope: the ball falls away twice.
level="$GAME_FOLDER_COPY/levels/Ramp.txt"
click_until "play screen of Ramp" 400 "$(list_row_y 1)" in_a_level
measure_camera "$level"
outcome_line() {
    [ "$(fx_count "$(screenshot outcome)" "520x40+240+540" "r > 0.75 && g > 0.75 && b > 0.75")" -ge 60 ]
}
hint_button() { [ "$(fx_count "$(screenshot hint)" "180x2+10+340" "b > 0.9 && r < 0.3")" -ge 100 ]; }
for try in 1 2; do
    hint_button && fail "the Hint button is up after $((try - 1)) failed tries"
    press_key space
    wait_until "$E2E_WAIT" "the outcome of try $try on Ramp" outcome_line
    press_key r
    sleep 0.5
done
wait_until 20 "the Hint button after two failed tries" hint_button
firm_click 100 350
# The first rope of the stored solution: both its dock points ringed.
first=$(solution_ropes "$E2E_SOURCE/tests/levels/Ramp.solution" | head -1)
first=${first%@*}
hint_ring_at() {
    local x y
    read -r x y <<<"$(dock_pixel "$level" "$1" "$(camera_x)" "$(camera_y)")"
    [ "$(fx_count "$(screenshot ring)" "36x36+$((x - 18))+$((y - 18))" "r > 0.85 && g > 0.3 && g < 0.6 && b > 0.75")" -ge 15 ]
}
wait_until 20 "a ring on dock ${first%-*} of the hint" hint_ring_at "${first%-*}"
hint_ring_at "${first#*-}" || fail "no ring on dock ${first#*-} of the hint"
keep_shot ring Ramp_hint
stop_game
grep -qx '<Bridge 1>' "$GAME_FOLDER_COPY/results.txt" || fail "results.txt lost Bridge: $(cat "$GAME_FOLDER_COPY/results.txt")"
echo "PASS goals_test"
