#!/usr/bin/env bash
# A window of any size: resized to 1200x700 and to 640x900, the game shows
# its picture scaled and centred with black bars, a click lands on the menu
# button drawn under the pointer, and a rope dragged between two dock points
# of a level is hung between them.
# Usage: resize_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"
source "$(dirname "$0")/picture.sh"

# resize_to <width> <height>: the window at that size, the picture fitted.
resize_to() {
    # At the screen's corner, so the whole window is on the screen.
    xdotool windowmove "$E2E_WINDOW" 0 0 windowsize "$E2E_WINDOW" "$1" "$2" || fail "windowsize $1 $2"
    wait_until "$E2E_WAIT" "a window of $1x$2" window_is "$1x$2"
    fit_picture "$1" "$2"
    sleep 1  # a frame or two at the new size
}

GAME_FOLDER_COPY=$(copy_game_folder "$2")
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title

# Tall: bars above and below, the picture at 0.8.
resize_to 640 900
[ "$PIC_Y" -eq 210 ] && [ "$PIC_W" -eq 640 ] || fail "picture at $PIC_X,$PIC_Y ${PIC_W}x$PIC_H"
wait_until 20 "black bars above and below" bars_black_now tall
wait_until "$E2E_WAIT" "title screen in a tall window" on_title

# Wide: bars left and right, the picture at 7/6.
resize_to 1200 700
[ "$PIC_X" -eq 133 ] && [ "$PIC_W" -eq 933 ] || fail "picture at $PIC_X,$PIC_Y ${PIC_W}x$PIC_H"
wait_until 20 "black bars left and right" bars_black_now wide
keep_shot wide-raw resized_title
click_until "level list in a wide window" "${MENU_PLAY[@]}" on_level_list

# A rope between the first two dock points of the first level.
click_until "the first level in a wide window" 400 "$(list_row_y 0)" in_a_level
hang_rope_between "$GAME_FOLDER_COPY/levels/Bridge.txt" 0 1
keep_shot ropes-raw resized_rope
quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"
echo "PASS resize_test"
