#!/usr/bin/env bash
# F1 on a 1920x1080 screen: the window covers the screen at the desktop's own
# resolution (the display mode stays as it was), the 800x600 picture is
# scaled by 1.8 and centred between black bars, and its buttons take clicks
# where they are drawn. F1 again gives the window back at the size it had.
# A themed level looks the same before F1, after it and after it again: every
# picture is loaded into each new GL context.
# Usage: fullscreen_test.sh <tangloop binary> <game folder>
set -euo pipefail
export E2E_SCREEN=1920x1080x24
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"
source "$(dirname "$0")/picture.sh"

root_size() { xwininfo -root | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'; }

# same_picture <a> <b> <most>: the two 800x600 shots differ by at most that
# root-mean-square error (0 to 1) over the background right of the panel.
same_picture() {
    local error
    convert "$1" -crop 590x600+210+0 +repage "$E2E_WORK/cmp_a.png" && convert "$2" -crop 590x600+210+0 +repage "$E2E_WORK/cmp_b.png" ||
        return 1
    error=$(compare -metric RMSE "$E2E_WORK/cmp_a.png" "$E2E_WORK/cmp_b.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
    awk -v e="$error" -v m="$3" 'BEGIN { exit !(e != "" && e <= m) }' || { echo "RMSE $error" >&2; return 1; }
}

full_screen() { window_is 1920x1080 && [ "$(window_position)" = "0,0" ]; }

# Each try of a wait takes a new shot: a slow build may not have drawn the
# full-screen picture yet when the first is taken.
same_as_now() { same_picture "$1" "$(screenshot "$2")" "$3"; }

GAME_FOLDER_COPY=$(copy_game_folder "$2")
start_game "$1" "$GAME_FOLDER_COPY"
ROOT_BEFORE=$(root_size)
wait_until "$E2E_WAIT" "title screen" on_title

# A window the player made larger; then a themed level in it.
xdotool windowsize "$E2E_WINDOW" 1000 750
wait_until "$E2E_WAIT" "a 1000x750 window" window_is 1000x750
fit_picture 1000 750
click_until "level list" "${MENU_PLAY[@]}" on_level_list
click_until "the first level" 400 "$(list_row_y 0)" in_a_level
measure_camera "$GAME_FOLDER_COPY/levels/Bridge.txt"
windowed=$(screenshot windowed)

# Full screen: the desktop as it was, the picture scaled 1.8 between bars.
press_key F1
wait_until "$E2E_WAIT" "a window covering the screen" full_screen
[ "$(root_size)" = "$ROOT_BEFORE" ] || fail "the screen is $(root_size), was $ROOT_BEFORE"
fit_picture 1920 1080
[ "$PIC_X,$PIC_W,$PIC_H" = "240,1440,1080" ] || fail "picture at $PIC_X,$PIC_Y ${PIC_W}x$PIC_H"
move_to "${PARK[@]}"
wait_until 20 "black bars beside the picture" bars_black_now full
keep_shot full-raw fullscreen_level
# Scaled twice, the pictures differ only by their smoothing.
wait_until 20 "the level's theme in full screen" same_as_now "$windowed" full 0.06
full=$E2E_WORK/full.png

# Back to the window, at the size it had: the same pixels as before.
press_key F1
wait_until "$E2E_WAIT" "the 1000x750 window back" window_is 1000x750
fit_picture 1000 750
move_to "${PARK[@]}"
wait_until 20 "the level's theme after F1 twice" same_as_now "$windowed" back 0.01

# Full screen again: the same as the first time. A button takes its click.
press_key F1
wait_until "$E2E_WAIT" "full screen again" full_screen
fit_picture 1920 1080
move_to "${PARK[@]}"
cp "$full" "$E2E_WORK/full_first.png"
wait_until 20 "the level's theme after F1 three times" same_as_now "$E2E_WORK/full_first.png" again 0.01
click_until "the level list after Exit in full screen" 100 510 on_level_list
quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"
echo "PASS fullscreen_test"
