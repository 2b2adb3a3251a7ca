#!/usr/bin/env bash
# A level author's session with the real game and its shipped menus: into the
# editor from the title, a line, a triangle, a ball, two dock points and the
# exit placed with the mouse, the level saved under a typed name, then Back
# and Quit. The saved file holds each element where the mouse put it. After a
# restart the editor loads the file by name: the status reads "Level
# loaded", the dock points are drawn where they were, and saving it again
# writes the same text.
# Usage: editor_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

BINARY=$1

# Pixel centres of the editor's widgets, from its fixed layout.
TAB_EDIT=(35 60)
TAB_MISC=(160 60)
BUTTON_VERTEX=(50 110)
BUTTON_LINE=(140 110)
BUTTON_BALL=(140 140)
BUTTON_DOCK_POINT=(60 170)
BUTTON_EXIT_POINT=(60 200)
BUTTON_NONE=(155 260)
BUTTON_BACK=(100 570)
FIELD_LOAD=(100 190)
BUTTON_LOAD=(100 220)
FIELD_SAVE=(100 290)
BUTTON_SAVE=(100 320)
# The rows through the middle of the status texts, 10 pixels a character,
# centred at x 100.
LOAD_STATUS_ROW=240
SAVE_STATUS_ROW=340

# The editor shows the world from where the menu left the view.
CAMERA_X=-1.3
CAMERA_Y=0

# The world point a pixel maps to, and its x or y alone.
world_of() { pixel_to_world "$1" "$2" "$CAMERA_X" "$CAMERA_Y"; }
world_x() { world_of "$1" 0 | cut -d' ' -f1; }
world_y() { world_of 0 "$1" | cut -d' ' -f2; }
units() { awk -v p="$1" -v w="$E2E_WINDOW_W" 'BEGIN { printf "%.5f", p * 320 / 29 / w }'; }

# record <section> <index> <sub-index> <field>: a value of the saved file.
# Index and sub-index stay as the last record set them, so "-" ignores one.
record() {
    awk -v s="$1" -v i="$2" -v j="$3" -v f="$4" \
        '$1 == s && (i == "-" || $2 == i) && (j == "-" || $3 == j) && $4 == f { print $5; exit }' "$RECORDS"
}
count_of() { awk -v s="$1" '$1 == s { seen[$2] = 1 } END { n = 0; for (k in seen) ++n; print n }' "$RECORDS"; }
near() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(a != "" && d < 0.001 && d > -0.001) }'; }
expect_near() {  # <what> <value> <expected>
    near "$2" "$3" || fail "$1 is ${2:-missing}, expected $3"
}

# in_editor: the panel's Back button, on every page, is drawn.
in_editor() { shot_shows editor "4x14+8+563" "rgb(0,0,255)" 10 || shot_shows editor "4x14+8+563" white 10; }

# --- First run: build and save ---
GAME_FOLDER_COPY=$(copy_game_folder "$2")
code_font "$GAME_FOLDER_COPY/label.bmp"
start_game "$BINARY" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "editor panel" "${MENU_EDITOR[@]}" in_editor

firm_click "${BUTTON_LINE[@]}"
firm_drag 300 450 700 450
firm_click "${BUTTON_VERTEX[@]}"
firm_click 600 330                       # three clicks, three corners
firm_click 700 330
firm_click 650 260
firm_click "${BUTTON_BALL[@]}"
firm_drag 500 250 530 250                # centre (500, 250), radius 30 pixels
firm_click "${BUTTON_DOCK_POINT[@]}"
firm_click 300 200
firm_click 420 200
firm_click "${BUTTON_EXIT_POINT[@]}"
firm_drag 740 400 760 400                # centre (740, 400), radius 20 pixels

firm_click "${TAB_MISC[@]}"
point_at "${FIELD_SAVE[@]}"
type_text "e2e"                     # letter keys arrive as capitals
firm_click "${BUTTON_SAVE[@]}"
SAVED="$GAME_FOLDER_COPY/E2E.TXT"
wait_until 20 "E2E.TXT after Save" test -s "$SAVED"
wait_until 20 "status \"Saved: E2E.TXT\" under Save" status_reads "$SAVE_STATUS_ROW" "Saved: E2E.TXT"

click_until "title screen after Back" "${BUTTON_BACK[@]}" on_title
click_until "the end of the game after Quit" "${MENU_QUIT[@]}" game_ended
wait "$E2E_GAME_PID" && status=0 || status=$?
E2E_GAME_PID=""
[ "$status" -eq 0 ] || fail "exit code $status after Quit"

# --- The saved file: one line, each element where the mouse put it ---
echo "saved: $(cat "$SAVED")"
[ "$(wc -l <"$SAVED")" -eq 0 ] || fail "the level file is more than one line"
[[ $(cat "$SAVED") == "(0){0}<2>{1}<2>{3}<>(6)"*"(5)"*"(4)"*"(3)"*"(2)(1)"* ]] ||
    fail "sections missing or out of order"
RECORDS="$E2E_WORK/records"
level_records "$SAVED" >"$RECORDS"
[ "$(count_of 6)" -eq 1 ] || fail "expected one line, found $(count_of 6)"
[ "$(count_of 3)" -eq 1 ] || fail "expected one triangle, found $(count_of 3)"
[ "$(count_of 1)" -eq 1 ] || fail "expected one ball, found $(count_of 1)"
[ "$(count_of 4)" -eq 2 ] || fail "expected two dock points, found $(count_of 4)"
[ "$(count_of 2)" -eq 0 ] || fail "expected no rope, found $(count_of 2)"

expect_near "line start x" "$(record 6 0 - 0)" "$(world_x 300)"
expect_near "line end x" "$(record 6 0 - 2)" "$(world_x 700)"
expect_near "line y" "$(record 6 0 - 1)" "$(world_y 450)"
expect_near "second line end y" "$(record 6 0 - 3)" "$(world_y 450)"
expect_near "triangle corner 0 x" "$(record 3 0 0 0)" "$(world_x 600)"
expect_near "triangle corner 1 x" "$(record 3 0 1 0)" "$(world_x 700)"
expect_near "triangle corner 2 x" "$(record 3 0 2 0)" "$(world_x 650)"
expect_near "triangle corner 2 y" "$(record 3 0 2 1)" "$(world_y 260)"
expect_near "ball x" "$(record 1 0 - 0)" "$(world_x 500)"
expect_near "ball y" "$(record 1 0 - 1)" "$(world_y 250)"
expect_near "ball radius" "$(record 1 0 - 2)" "$(units 30)"
[ "$(record 1 0 - 3)" = 3 ] && [ "$(record 1 0 - 4)" = 1 ] || fail "the ball should weigh 3 and be held"
expect_near "first dock x" "$(record 4 0 - 0)" "$(world_x 300)"
expect_near "second dock x" "$(record 4 1 - 0)" "$(world_x 420)"
expect_near "dock y" "$(record 4 1 - 1)" "$(world_y 200)"
expect_near "exit x" "$(record 5 - - 0)" "$(world_x 740)"
expect_near "exit y" "$(record 5 - - 1)" "$(world_y 400)"
expect_near "exit radius" "$(record 5 - - 2)" "$(units 20)"


# --- Second run: load it back by name ---
start_game "$BINARY" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen after the restart" on_title
click_until "editor panel after the restart" "${MENU_EDITOR[@]}" in_editor
# A new run starts with an empty world: no dock point drawn.
[ -z "$(sky_green_marks 60 "$(screenshot empty)")" ] || fail "dock points drawn before anything was loaded"

firm_click "${TAB_MISC[@]}"
point_at "${FIELD_LOAD[@]}"
type_text "e2e"                     # read as E2E.txt, found as E2E.TXT whatever the case
firm_click "${BUTTON_LOAD[@]}"
wait_until 20 "status \"Level loaded\" under Load" status_reads "$LOAD_STATUS_ROW" "Level loaded"
dock_marks_back() {
    sky_green_marks 60 "$(screenshot loaded)" | awk '
        ($1 - 300) ^ 2 + ($2 - 200) ^ 2 <= 4 { first = 1 }
        ($1 - 420) ^ 2 + ($2 - 200) ^ 2 <= 4 { second = 1 }
        END { exit !(first && second) }'
}
wait_until 20 "the loaded dock points at (300, 200) and (420, 200)" dock_marks_back

# Saved again under another name, the loaded level is the same text.
point_at "${FIELD_SAVE[@]}"
type_text "again"
firm_click "${BUTTON_SAVE[@]}"
wait_until 20 "AGAIN.TXT after Save" test -s "$GAME_FOLDER_COPY/AGAIN.TXT"
cmp -s "$SAVED" "$GAME_FOLDER_COPY/AGAIN.TXT" ||
    fail "the level changed through Load and Save: $(cat "$GAME_FOLDER_COPY/AGAIN.TXT")"

stop_game
echo "PASS editor_test"
