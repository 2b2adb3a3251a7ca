#!/usr/bin/env bash
# A new player's first minutes: the title, "Play", the level list, the first
# two levels finished with their stored solutions (ropes dragged between the
# dock points where the view shows them), the second row opening once the
# first level is done, then "Quit". The progress file then holds exactly
# "completedlevels=2;" and a line break.
# With E2E_SHOTS set, the screenshots a reader would want are kept there.
# Usage: playthrough_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/config.txt"
start_game "$1" "$GAME_FOLDER_COPY"

wait_until "$E2E_WAIT" "title screen" on_title
if [ -n "${E2E_SHOTS:-}" ]; then
    settle title "800x30+0+130"
    settle title "800x20+0+550"
    keep_shot title title
fi

click_until "level list" "${MENU_PLAY[@]}" on_level_list
[ -z "${E2E_SHOTS:-}" ] || settle levels "200x240+300+78"
shot=$(screenshot levels)
keep_shot levels levels
[ "$(colour_count "$shot" "$(list_mark_area 1)" white)" -gt 0 ] || fail "the second row is open before any level is done"

play_level Bridge 0
wait_until "$E2E_WAIT" "completedlevels=1 on disk" progress_is 1
shot=$(screenshot unlocked)
keep_shot unlocked unlocked
[ "$(colour_count "$shot" "$(list_mark_area 0)" white)" -gt 0 ] || fail "no tick on the finished first row"
[ "$(colour_count "$shot" "$(list_mark_area 1)" white)" -eq 0 ] || fail "the second row still carries a cross"
[ "$(colour_count "$shot" "$(list_mark_area 2)" white)" -gt 0 ] || fail "the third row is open too early"

play_level Ramp 1
wait_until "$E2E_WAIT" "completedlevels=2 on disk" progress_is 2

click_until "title screen after Back" "${LIST_BACK[@]}" on_title
click_until "the end of the game after Quit" "${MENU_QUIT[@]}" game_ended
wait "$E2E_GAME_PID" && status=0 || status=$?
E2E_GAME_PID=""
[ "$status" -eq 0 ] || fail "exit code $status after Quit"
progress_is 2 || fail "config.txt after Quit: $(od -c "$GAME_FOLDER_COPY/config.txt" | head -3)"
echo "PASS playthrough_test"
