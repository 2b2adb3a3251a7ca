#!/usr/bin/env bash
# The later levels through the scrolling level list: with all levels before
# Highway done, the list opens scrolled so that Highway, the next one, is in
# its last row; it is played from there with its stored solution, slider and
# all, and the list then shows the row after it, Islands, in the same place.
# E2E_LEVELS="A B C" plays those levels in list order instead, the first
# being the next one open; E2E_SHOTS keeps the screenshots.
# Usage: second_set_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
levels=(${E2E_LEVELS:-Highway})
# The position of the first level to play in the shipped list, from 0.
first=$(grep -o '<[^>]*>' "$GAME_FOLDER_COPY/levels.txt" | tr -d '<>' | grep -n -x "${levels[0]}" | cut -d: -f1)
[ -n "$first" ] || fail "${levels[0]} is not in the level list"
first=$((first - 1))
printf 'completedlevels=%s;\n' "$first" >"$GAME_FOLDER_COPY/config.txt"
start_game "$1" "$GAME_FOLDER_COPY"

wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
# Twenty-one rows fit; the next level to play is brought into the last one.
last_row=20
[ -z "${E2E_SHOTS:-}" ] || settle levels "200x240+300+78"
shot=$(screenshot levels)
keep_shot levels levels
[ "$(colour_count "$shot" "$(list_mark_area "$last_row")" white)" -eq 0 ] || fail "the next level is not in the last row"
[ "$(colour_count "$shot" "$(list_mark_area $((last_row - 1)))" white)" -gt 0 ] || fail "no tick on the row above the next level"

done_count=$first
for name in "${levels[@]}"; do
    play_level "$name" "$last_row"
    done_count=$((done_count + 1))
    wait_until "$E2E_WAIT" "completedlevels=$done_count on disk" progress_is "$done_count"
done
shot=$(screenshot after)
keep_shot after after
finished_row=$last_row
if [ "$done_count" -lt "$(grep -c '^<' "$GAME_FOLDER_COPY/levels.txt")" ]; then
    [ "$(colour_count "$shot" "$(list_mark_area "$last_row")" white)" -eq 0 ] || fail "the level after is not in the last row"
    finished_row=$((last_row - 1))
fi
[ "$(colour_count "$shot" "$(list_mark_area "$finished_row")" white)" -gt 0 ] || fail "no tick on the level just finished"
echo "PASS second_set_test"
