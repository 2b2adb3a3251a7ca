#!/usr/bin/env bash
# A level's words and look, written in the editor: a ball and the exit placed
# by a click (both the usual size), a task typed as real text (the semicolon
# that would cut it refused), the next installed theme picked with a button,
# the level saved; from Your Levels it plays with the task in its intro, read
# back from the screen; then F2 renames it there and Delete, once answered,
# deletes it.
# Usage: level_words_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

TASK="Reach the exit mind the gap!"
in_editor() { shot_shows editor "4x14+8+563" "rgb(0,0,255)" 10 || shot_shows editor "4x14+8+563" white 10; }
on_your_levels() { shot_shows your_levels "40x40+60+300" "rgb(242,230,204)" 1500; }
# intro_reads <words>: the intro's lines (from x 300, letters of 15 pixels), joined by spaces.
intro_reads() {
    local shot read="" row
    shot=$(screenshot intro) || return 1
    for row in $(coded_rows "$shot" 307); do read="${read:+$read }$(coded_text "$shot" "$row" 300 500 15)"; done
    [ "$read" = "$1" ] || { echo "the intro reads \"$read\"" >&2; return 1; }
}

GAME_FOLDER_COPY=$(copy_game_folder "$2")
code_font "$GAME_FOLDER_COPY/label.bmp"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "editor panel" "${MENU_EDITOR[@]}" in_editor
firm_click 140 140; firm_click 450 200   # Ball, a click
firm_click 60 200;  firm_click 650 400   # Exit point, a click
firm_click 160 60                        # the Misc page
point_at 100 125                         # the Task field
type_text "Reach the exit; mind the gap!"
firm_click 100 362                       # Next theme: the first is shown, the second comes
wait_until 20 "status \"Theme: stone\"" status_reads 460 "Theme: stone"
point_at 100 290                         # the Save field
type_text "words"
firm_click 100 320
SAVED="$GAME_FOLDER_COPY/WORDS.TXT"
wait_until 20 "WORDS.TXT after Save" test -s "$SAVED"
grep -qF "(0){0}<2>{1}<2>{2}<$TASK>{3}<stone>(6)" "$SAVED" || fail "the saved header: $(cat "$SAVED")"
[ "$(level_ball "$SAVED" | cut -d' ' -f3)" = 0.3 ] || fail "the clicked ball: $(level_ball "$SAVED")"
level_records "$SAVED" | awk '$1 == 5 && $4 == 2 { exit !($5 == 0.3) }' || fail "the clicked exit's radius"

click_until "title screen after Back" 100 570 on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
click_until "Your Levels" 400 474 on_your_levels
sleep 2
firm_click 400 "$(list_row_y 0)"
move_to "${PARK[@]}"
wait_until 20 "WORDS from Your Levels" in_a_level
wait_until 20 "the task in the intro" intro_reads "$TASK"
keep_shot intro words-intro
click_until "Your Levels after Exit" 100 510 on_your_levels
point_at 400 "$(list_row_y 0)"
press_key F2
for _ in 1 2 3 4 5; do press_key BackSpace; done
type_text "mine"
press_key Return
wait_until 20 "WORDS renamed MINE" test -s "$GAME_FOLDER_COPY/MINE.TXT"
[ ! -e "$SAVED" ] || fail "WORDS.TXT is still there beside MINE.TXT"
point_at 400 "$(list_row_y 0)"
press_key Delete
press_key Return                         # Enter keeps it
[ -e "$GAME_FOLDER_COPY/MINE.TXT" ] || fail "Enter deleted the level"
press_key Delete
firm_click 330 326                       # the dialog's Delete button
wait_until 20 "MINE.TXT deleted" eval '[ ! -e "$GAME_FOLDER_COPY/MINE.TXT" ]'
stop_game
echo "PASS level_words_test"
