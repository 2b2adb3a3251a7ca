#!/usr/bin/env bash
# F1 on a screen that offers 1024 by 768: the game goes full screen at that
# size and back to an 800 by 600 window, and the menu is where it was: the
# level list still open with the same marks, and its first row still starts
# the first level with the dock points where the view puts them.
# Usage: fullscreen_test.sh <tangloop binary> <game folder>
set -euo pipefail
export E2E_SCREEN=1024x768x24
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
press_key F1
wait_until "$E2E_WAIT" "a full-screen window of 1024x768" window_is 1024x768
[ "$(window_position)" = "0,0" ] || fail "full screen at $(window_position), not at 0,0"
wait_until "$E2E_WAIT" "level list in full screen" on_level_list

press_key F1
wait_until "$E2E_WAIT" "an 800x600 window after the second F1" window_is 800x600
wait_until "$E2E_WAIT" "level list back in the window" on_level_list
# The first row open, the second still crossed: the same progress.
shot=$(screenshot after_f1)
[ "$(colour_count "$shot" "$(list_mark_area 0)" white)" -eq 0 ] &&
    [ "$(colour_count "$shot" "$(list_mark_area 1)" white)" -gt 0 ] || fail "the list marks changed with F1"

click_until "the first level after F1 twice" 400 "$(list_row_y 0)" in_a_level
measure_camera "$GAME_FOLDER_COPY/levels/Bridge.txt"
quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"
echo "PASS fullscreen_test"
