#!/usr/bin/env bash
# A level author's session with the real game: from a menu button into the
# editor, a ball, two dock points and a line placed with the mouse, the level
# saved under a typed name, then loaded back after clearing the selection.
# Usage: editor_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

BINARY=$1
GAME_FOLDER=$2

# Pixel positions of the editor's widgets (centres), from its fixed layout.
TAB_EDIT=(35 60)
TAB_MISC=(160 60)
BUTTON_BALL=(140 140)
BUTTON_DOCK_POINT=(60 170)
BUTTON_LINE=(140 110)
BUTTON_NONE=(155 260)
FIELD_SAVE=(100 290)
BUTTON_SAVE=(100 320)
FIELD_LOAD=(100 190)
BUTTON_LOAD=(100 220)

# --- the game, with a one-screen menu whose only button opens the editor ---
FOLDER=$(copy_game_folder "$GAME_FOLDER")
cat > "$FOLDER/menusetup.txt" <<'EOF'
(0)[0]{0}<menu_title.bmp>{1}<start>{6}<0>
(1)[0]:0;{0}<350>{1}<300>{2}<100>{3}<20>{4}<Editor>{5}<2>
EOF
start_game "$BINARY" "$FOLDER"

click 400 310                       # the menu's Editor button
sleep 0.5                           # the panel slides open

# --- build: a ball dragged to radius, two dock points, a line ---
click "${BUTTON_BALL[@]}"
drag 500 250 530 250                # ball at pixel (500, 250), radius 30 pixels
click "${BUTTON_DOCK_POINT[@]}"
click 300 200
click 700 200
click "${BUTTON_LINE[@]}"
drag 300 450 700 450

# --- save under a typed name ---
click "${TAB_MISC[@]}"
move_to "${FIELD_SAVE[@]}"
type_text "e2e"                     # letter keys arrive as capitals
click "${BUTTON_SAVE[@]}"
sleep 0.3

SAVED="$FOLDER/E2E.TXT"
[ -f "$SAVED" ] || fail "Save wrote no E2E.TXT"
TEXT=$(cat "$SAVED")
echo "saved: $TEXT"

# One line, two dock points, one held ball of mass 3, no rope, no triangle.
[[ $TEXT == "(0){0}<2>{1}<2>{3}<>(6)[0]{0}<"* ]] || fail "header or line section wrong"
[[ $TEXT == *"(6)[0]"*"(5)"* && $TEXT != *"(6)[0]"*"[1]"*"(5)"* ]] || fail "expected exactly one line"
[[ $TEXT == *"(4)[0]{0}<"*"[1]{0}<"*"(3)(2)(1)[0]{0}<"* ]] || fail "expected two dock points and one ball"
[[ $TEXT == *"{3}<3>{4}<1>" ]] || fail "the ball should weigh 3 and be held"

# The mouse maps pixels to world units by 320/29 / width, the camera at (-1.3, 0).
world_x() { awk -v px="$1" 'BEGIN { printf "%.4f", px * 11.03448275862069 / 800 - 5.517241379310345 - 1.3 }'; }
near() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.001 && d > -0.001) }'; }
DOCK0_X=$(sed -E 's/.*\(4\)\[0\]\{0\}<([^>]*)>.*/\1/' <<<"$TEXT")
BALL_R=$(sed -E 's/.*\(1\)\[0\]\{0\}<[^>]*>\{1\}<[^>]*>\{2\}<([^>]*)>.*/\1/' <<<"$TEXT")
near "$DOCK0_X" "$(world_x 300)" || fail "first dock point at x $DOCK0_X, expected $(world_x 300)"
near "$BALL_R" "$(awk 'BEGIN { printf "%.4f", 30 * 11.03448275862069 / 800 }')" ||
    fail "ball radius $BALL_R"

# --- None, then Load the file back ---
click "${TAB_EDIT[@]}"
click "${BUTTON_NONE[@]}"
click "${TAB_MISC[@]}"
move_to "${FIELD_LOAD[@]}"
type_text "e2e"
move_to "${BUTTON_LOAD[@]}"
sleep 0.2
BEFORE=$(screenshot before_load)
click "${BUTTON_LOAD[@]}"
sleep 0.3
AFTER=$(screenshot loaded)
echo "screenshots: $BEFORE $AFTER"

# "Level loaded" is 12 characters of 10 pixels centred at x 100, y 240: what
# changed in that row band of the panel is the status text, about 120 pixels.
SPAN=$(convert "$BEFORE" "$AFTER" -compose difference -composite -crop 200x12+0+234 +repage \
    -threshold 20% -format '%@' info: 2>/dev/null || true)
echo "status text extent: $SPAN"
WIDTH=${SPAN%%x*}
[ -n "$WIDTH" ] && [ "$WIDTH" -ge 100 ] && [ "$WIDTH" -le 125 ] ||
    fail "status under Load is $WIDTH pixels wide; \"Level loaded\" is about 120"

stop_game
echo "editor e2e passed"
