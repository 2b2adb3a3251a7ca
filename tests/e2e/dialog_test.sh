#!/usr/bin/env bash
# The game's own questions, where the system cannot show a message box (a
# preloaded stand-in makes SDL's fail, as on a desktop without X core fonts
# or zenity) and where it can: in the editor with an unsaved ball, Esc asks
# in a box drawn by the game; Esc on it keeps the editor (and is not the
# editor's Esc too); Esc again asks again, and Enter leaves for the title.
# Usage: dialog_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

NO_BOX=$(realpath "$(dirname "$1")/libno_message_box.so") || fail "no libno_message_box.so beside $1"
GAME_FOLDER_COPY=$(copy_game_folder "$2")
BUTTON_BALL=(140 140)
BUTTON_STAY=(470 327)

in_editor() { shot_shows editor "4x14+8+563" "rgb(0,0,255)" 10 || shot_shows editor "4x14+8+563" white 10; }

# one_round <name>: the whole exchange in a fresh game.
one_round() {
    start_game "$1" "$GAME_FOLDER_COPY"
    wait_until "$E2E_WAIT" "title screen" on_title
    click_until "the editor" "${MENU_EDITOR[@]}" in_editor
    click "${BUTTON_BALL[@]}"
    click 500 300
    press_key Escape
    wait_until "$E2E_WAIT" "the unsaved-changes dialog ($2)" dialog_shown
    keep_shot dialog "$2-dialog"
    press_key Escape
    wait_until "$E2E_WAIT" "the dialog closed by Esc ($2)" no_dialog
    sleep 0.5
    in_editor || fail "Esc on the dialog left the editor ($2)"
    no_dialog || fail "the dialog's Esc reached the editor and asked again ($2)"
    press_key Escape
    wait_until "$E2E_WAIT" "the dialog asked again ($2)" dialog_shown
    # A click on Stay answers too.
    click "${BUTTON_STAY[@]}"
    wait_until "$E2E_WAIT" "the dialog closed by Stay ($2)" no_dialog
    in_editor || fail "Stay left the editor ($2)"
    press_key Escape
    wait_until "$E2E_WAIT" "the dialog a third time ($2)" dialog_shown
    press_key Return
    wait_until "$E2E_WAIT" "the title after Enter ($2)" on_title
    grep -q 'The level has changes' "$E2E_WORK/game.log" && fail "the question went to stderr ($2)"
    quit_by_signal
    [ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE ($2)"
}

one_round "$1" "with-message-box"
LD_PRELOAD="$NO_BOX${LD_PRELOAD:+:$LD_PRELOAD}" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
    one_round "$1" "no-message-box"
echo "PASS dialog_test"
