#!/usr/bin/env bash
# A player finishes the first level with the mouse alone: "Play", the first
# row of the level list, the ropes of its solution dragged between the dock
# points, "Try it out", then "Return To Menu" once the fade is over. The count
# is on disk at once, so a SIGKILL right after loses nothing: the next start
# shows the first row ticked and the second one open.
# Usage: play_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/config.txt"
start_game "$1" "$GAME_FOLDER_COPY"

wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
play_level Bridge 0
wait_until "$E2E_WAIT" "progress on disk after the level" progress_is 1

kill -KILL "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""
progress_is 1 || fail "the kill changed config.txt: $(cat "$GAME_FOLDER_COPY/config.txt" 2>/dev/null)"

start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen after the restart" on_title
click_until "level list after the restart" "${MENU_PLAY[@]}" on_level_list
# The marks come with the names, which type themselves in row by row.
second_row_open() {
    local shot
    shot=$(screenshot levels) || return 1
    [ "$(colour_count "$shot" "$(list_mark_area 0)" white)" -gt 0 ] &&
        [ "$(colour_count "$shot" "$(list_mark_area 1)" white)" -eq 0 ] &&
        [ "$(colour_count "$shot" "$(list_mark_area 2)" white)" -gt 0 ]
}
wait_until 20 "tick on the first row and an open second row after the restart" second_row_open
stop_game
progress_is 1 || fail "progress lost after a kill and a restart: $(cat "$GAME_FOLDER_COPY/config.txt" 2>/dev/null)"
echo "PASS play_test"
