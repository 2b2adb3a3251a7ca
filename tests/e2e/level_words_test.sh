#!/usr/bin/env bash
# A level's words and look, written in the editor: a task typed into the Task
# field as real text (lower case and punctuation as typed, the semicolon that
# would cut it refused), the next installed theme picked with a button, the
# level saved; from Your Levels it plays with that task typed over its
# intro, read back from the screen, and the saved file names the theme.
# Usage: level_words_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

TAB_MISC=(160 60)
BUTTON_BALL=(140 140)
BUTTON_EXIT_POINT=(60 200)
BUTTON_BACK=(100 570)
FIELD_TASK=(100 125)
FIELD_SAVE=(100 290)
BUTTON_SAVE=(100 320)
BUTTON_NEXT_THEME=(100 362)
THEME_STATUS_ROW=460
YOUR_LEVELS=(400 474)
TYPED="Reach the exit; mind the gap!"
TASK="Reach the exit mind the gap!"

in_editor() { shot_shows editor "4x14+8+563" "rgb(0,0,255)" 10 || shot_shows editor "4x14+8+563" white 10; }
on_your_levels() { shot_shows your_levels "40x40+60+300" "rgb(242,230,204)" 1500; }

# intro_reads <words>: the lines of the level's introduction, which start at
# x 300 in letters of 15 pixels, joined by spaces, are those words.
intro_reads() {
    local shot read="" row
    shot=$(screenshot intro) || return 1
    for row in $(coded_rows "$shot" 307); do
        read="${read:+$read }$(coded_text "$shot" "$row" 300 500 15)"
    done
    [ "$read" = "$1" ] || { echo "the intro reads \"$read\"" >&2; return 1; }
}

GAME_FOLDER_COPY=$(copy_game_folder "$2")
code_font "$GAME_FOLDER_COPY/label.bmp"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "editor panel" "${MENU_EDITOR[@]}" in_editor

# A ball and an exit, each from a click: both come out the usual size.
firm_click "${BUTTON_BALL[@]}";       firm_click 450 200
firm_click "${BUTTON_EXIT_POINT[@]}"; firm_click 650 400

firm_click "${TAB_MISC[@]}"
point_at "${FIELD_TASK[@]}"
type_text "$TYPED"
firm_click "${BUTTON_NEXT_THEME[@]}"
wait_until 20 "status \"Theme: stone\" under Apply theme" status_reads "$THEME_STATUS_ROW" "Theme: stone"
point_at "${FIELD_SAVE[@]}"
type_text "words"
firm_click "${BUTTON_SAVE[@]}"
SAVED="$GAME_FOLDER_COPY/WORDS.TXT"
wait_until 20 "WORDS.TXT after Save" test -s "$SAVED"
grep -qF "(0){0}<2>{1}<2>{2}<$TASK>{3}<stone>(6)" "$SAVED" || fail "the header of the saved level: $(cat "$SAVED")"
[ "$(level_ball "$SAVED" | cut -d' ' -f3)" = 0.3 ] || fail "the clicked ball: $(level_ball "$SAVED")"
level_records "$SAVED" | awk '$1 == 5 && $4 == 2 { exit !($5 == 0.3) }' || fail "the clicked exit's radius"

click_until "title screen after Back" "${BUTTON_BACK[@]}" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
click_until "Your Levels" "${YOUR_LEVELS[@]}" on_your_levels
sleep 2
firm_click 400 "$(list_row_y 0)"
move_to "${PARK[@]}"
wait_until 20 "WORDS from Your Levels" in_a_level
wait_until 20 "the task in the intro" intro_reads "$TASK"
keep_shot intro words-intro
stop_game
echo "PASS level_words_test"
