#!/usr/bin/env bash
# The author's loop with the real game: a level built in the editor (a line,
# a ball, the exit under it, two dock points), played with F12 (a rope hung,
# Try it out, the exit reached), Exit back to the editor with the level as it
# was; Ctrl+Z three times takes the last three edits away and Ctrl+Y brings
# them back; the saved level is on "Your Levels" and plays there; the game
# plays it from the command line and opens it in the editor with --edit; a
# file that cannot be read ends the game with a message and exit code 1.
# Usage: author_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

BINARY=$(realpath "$1")
TAB_MISC=(160 60)
BUTTON_LINE=(140 110)
BUTTON_BALL=(140 140)
BUTTON_DOCK_POINT=(60 170)
BUTTON_EXIT_POINT=(60 200)
BUTTON_BACK=(100 570)
FIELD_SAVE=(100 290)
BUTTON_SAVE=(100 320)
PLAY_EXIT=(100 510)
YOUR_LEVELS=(400 474)
in_editor() { shot_shows editor "4x14+8+563" "rgb(0,0,255)" 10 || shot_shows editor "4x14+8+563" white 10; }
docks_at() {  # <shot> : both dock points drawn at (300, 250) and (420, 250)
    sky_green_marks 90 "$1" | awk '($1 - 300) ^ 2 + ($2 - 250) ^ 2 <= 4 { a = 1 }
                            ($1 - 420) ^ 2 + ($2 - 250) ^ 2 <= 4 { b = 1 } END { exit !(a && b) }'
}
# Your Levels: the only screen whose list outline reaches down past y 400.
on_your_levels() {
    local shot
    shot=$(screenshot your_levels) || return 1
    [ "$(fx_count "$shot" "4x60+248+370" "b > 0.97 && r < 0.6")" -ge 100 ]
}
no_docks() {  # neither dock point drawn
    sky_green_marks 90 "$(screenshot undone)" | awk '($1 - 300) ^ 2 + ($2 - 250) ^ 2 <= 4 { a = 1 }
                            ($1 - 420) ^ 2 + ($2 - 250) ^ 2 <= 4 { b = 1 } END { exit a || b }'
}
docks_back() { docks_at "$(screenshot redone)"; }
save_as() {  # <name>: typed over what the Save field holds
    point_at "${FIELD_SAVE[@]}"
    for _ in 1 2 3 4 5; do press_key BackSpace; done
    type_text "$1"
    firm_click "${BUTTON_SAVE[@]}"
}
# start_with <args...>: the game started with these words after its name.
start_with() {
    [ -n "$E2E_XVFB_PID" ] || start_display
    (cd "$GAME_FOLDER_COPY" && exec "$BINARY" "$@") >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME_PID=$!
    wait_until 30 "a Tangloop window" eval 'E2E_WINDOW=$(xdotool search --name "^Tangloop$" 2>/dev/null | head -1); [ -n "$E2E_WINDOW" ]'
}

GAME_FOLDER_COPY=$(copy_game_folder "$2")
start_game "$BINARY" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "editor panel" "${MENU_EDITOR[@]}" in_editor

firm_click "${BUTTON_LINE[@]}";       firm_drag 300 420 700 420
firm_click "${BUTTON_BALL[@]}";       firm_drag 500 150 520 150
firm_click "${BUTTON_EXIT_POINT[@]}"; firm_drag 500 300 530 300
firm_click "${BUTTON_DOCK_POINT[@]}"; firm_click 300 250; firm_click 420 250
firm_click "${TAB_MISC[@]}"
save_as a
wait_until 20 "A.TXT" test -s "$GAME_FOLDER_COPY/A.TXT"

# Play it: a rope between the dock points, then the try into the exit.
move_to "${PARK[@]}"
press_key F12
wait_until 20 "the play mode after F12" in_a_level
firm_drag 300 250 420 250
firm_click "${PLAY_TRY[@]}"
wait_until 60 "the completion screen" completion_shown
keep_shot completion author-completed
click_until "the editor after Exit" "${PLAY_EXIT[@]}" in_editor
docks_at "$(screenshot back)" || fail "no dock points where they were after the test"
save_as b
wait_until 20 "B.TXT" test -s "$GAME_FOLDER_COPY/B.TXT"
cmp -s "$GAME_FOLDER_COPY/A.TXT" "$GAME_FOLDER_COPY/B.TXT" ||
    fail "the test changed the edited level: $(cat "$GAME_FOLDER_COPY/B.TXT")"

# Three undos take the dock points and the exit away; three redos bring them.
move_to 600 500
for _ in 1 2 3; do press_key ctrl+z; done
wait_until 20 "no dock points after three undos" no_docks
keep_shot undone author-undone
for _ in 1 2 3; do press_key ctrl+y; done
wait_until 20 "the dock points after three redos" docks_back
save_as mine
wait_until 20 "MINE.TXT" test -s "$GAME_FOLDER_COPY/MINE.TXT"
cmp -s "$GAME_FOLDER_COPY/A.TXT" "$GAME_FOLDER_COPY/MINE.TXT" || fail "undo and redo changed the level"

# Your Levels, newest first: MINE plays.
click_until "title screen after Back" "${BUTTON_BACK[@]}" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
click_until "Your Levels" "${YOUR_LEVELS[@]}" on_your_levels
sleep 2
firm_click 400 "$(list_row_y 0)"
move_to "${PARK[@]}"
wait_until 20 "MINE from Your Levels" in_a_level
keep_shot level author-your-level
click_until "Your Levels after Exit" "${PLAY_EXIT[@]}" on_your_levels
keep_shot your_levels author-your-levels
stop_game
[ ! -e "$GAME_FOLDER_COPY/config.txt" ] || progress_is 0 || fail "playing an own level changed the progress"

# From the command line: play, edit, and a broken file.
start_with "$GAME_FOLDER_COPY/MINE.TXT"
move_to "${PARK[@]}"
wait_until 30 "the level played from the command line" in_a_level
stop_game
start_with --edit MINE.TXT
wait_until 30 "the editor from --edit" in_editor
docks_at "$(screenshot edit)" || fail "the level opened with --edit shows no dock points"
stop_game
status=0
"$BINARY" "$GAME_FOLDER_COPY/NONE.TXT" 2>"$E2E_WORK/err" || status=$?
[ "$status" -eq 1 ] || fail "exit code $status for a missing file"
grep -q "cannot open the level file .*NONE.TXT: no such file" "$E2E_WORK/err" || fail "message: $(cat "$E2E_WORK/err")"
echo "PASS author_test"
