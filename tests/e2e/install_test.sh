#!/usr/bin/env bash
# The installed game as a desktop player meets it: installed into a prefix
# that is then made read-only, started from an unrelated folder with a home
# and XDG folders of its own; its title shows the background level's ropes
# as when started inside its data folder. A level finished with its stored solution is
# kept in $XDG_DATA_HOME/tangloop/config.txt and read back by the next start;
# SIGTERM ends it with 0; nothing is written under the prefix or in the
# working folder. Then the prefix is moved (it finds its data again), the
# build's binary is pointed at it with --data-dir, and a per-user folder that
# cannot be made leaves a game that plays and says so once.
# Usage: install_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

# A failure may leave the prefix read-only; the clean-up must still remove it.
trap 'chmod -R u+w "$E2E_WORK" 2>/dev/null; e2e_cleanup' EXIT

BUILD=$(cd "$(dirname "$1")" && pwd)
PREFIX=$E2E_WORK/prefix
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null || fail "cmake --install"
[ -x "$PREFIX/bin/tangloop" ] || fail "no installed binary"

export HOME=$E2E_WORK/home XDG_DATA_HOME=$E2E_WORK/xdg/data XDG_STATE_HOME=$E2E_WORK/xdg/state
export XDG_CONFIG_HOME=$E2E_WORK/xdg/config
unset TANGLOOP_DATA_DIR TANGLOOP_USER_DIR
mkdir -p "$HOME" "$E2E_WORK/elsewhere"
USER_DIR=$XDG_DATA_HOME/tangloop
# play_level reads the level's dock points from here; the game reads them too.
GAME_FOLDER_COPY=$PREFIX/share/tangloop

# title_ropes <name>: the blue rope pixels of the title's background level
# in its upper left, the mouse ball parked far from them; none when the level
# the menu names was not found.
title_ropes() {
    move_to 700 550
    sleep 2
    fx_count "$(screenshot "$1")" "200x190+20+70" "b > 0.6 && r < 0.3 && g < 0.3"
}

progress_kept() { printf 'completedlevels=%s;\n' "$1" | cmp -s - "$USER_DIR/config.txt"; }

# quit_cleanly <what>: SIGTERM, which must end the game with 0.
quit_cleanly() {
    quit_by_signal
    [ "$E2E_EXIT_CODE" = 0 ] || fail "$1: SIGTERM gave exit code $E2E_EXIT_CODE"
}

# found_levels <log folder>: the scan log was rewritten by this start and
# lists the shipped levels, so the installed data was found.
found_levels() {
    grep -q '^Found level Bridge$' "$1/levels.log" || fail "no levels found by the start (log: $1/levels.log)"
    rm -f "$1/levels.log" "$1/themes.log"
}

# --- Installed, read-only prefix, started from elsewhere ---
chmod -R a-w "$PREFIX"
STAMP=$E2E_WORK/stamp
touch "$STAMP"
sleep 1
start_game "$PREFIX/bin/tangloop" "$E2E_WORK/elsewhere"
wait_until "$E2E_WAIT" "title screen" on_title
ropes_elsewhere=$(title_ropes title-elsewhere)
click_until "level list" "${MENU_PLAY[@]}" on_level_list
play_level Bridge 0
wait_until "$E2E_WAIT" "progress in the per-user folder" progress_kept 1
quit_cleanly "installed game"
progress_kept 1 || fail "progress not kept: $(cat "$USER_DIR/config.txt" 2>/dev/null)"
found_levels "$XDG_STATE_HOME/tangloop"
[ "$(stat -c %a "$USER_DIR")" = 700 ] || fail "the per-user folder is not private: $(stat -c %a "$USER_DIR")"

# The count is read back: an exit writes what the game holds, so a start
# that did not read it would write 0.
start_game "$PREFIX/bin/tangloop" "$E2E_WORK/elsewhere"
wait_until "$E2E_WAIT" "title screen after the restart" on_title
quit_cleanly "restart"
progress_kept 1 || fail "progress not read back: $(cat "$USER_DIR/config.txt" 2>/dev/null)"

written=$(find "$PREFIX" "$E2E_WORK/elsewhere" -newer "$STAMP")
[ -z "$written" ] || fail "written at run time under the prefix or the working folder: $written"

# Started inside its data folder, the title shows the same ropes as started
# from elsewhere.
start_game "$PREFIX/bin/tangloop" "$PREFIX/share/tangloop"
wait_until "$E2E_WAIT" "title screen inside the data folder" on_title
ropes_inside=$(title_ropes title-inside)
quit_cleanly "inside the data folder"
[ "$ropes_inside" -ge 150 ] || fail "the title inside the data folder shows $ropes_inside rope pixels"
[ $(( (ropes_elsewhere - ropes_inside) * 10 )) -le "$ropes_inside" ] &&
    [ $(( (ropes_inside - ropes_elsewhere) * 10 )) -le "$ropes_inside" ] ||
    fail "started elsewhere the title shows $ropes_elsewhere rope pixels, inside its data folder $ropes_inside"

# --- The prefix moved as a whole ---
chmod -R u+w "$PREFIX"
mv "$PREFIX" "$E2E_WORK/moved"
chmod -R a-w "$E2E_WORK/moved"
start_game "$E2E_WORK/moved/bin/tangloop" "$E2E_WORK/elsewhere"
wait_until "$E2E_WAIT" "title screen of the moved install" on_title
quit_cleanly "moved install"
found_levels "$XDG_STATE_HOME/tangloop"
progress_kept 1 || fail "the moved install lost progress"

# --- The build's binary with --data-dir, and one folder for the player ---
start_game "$1" "$E2E_WORK/elsewhere" --data-dir "$E2E_WORK/moved/share/tangloop" --user-dir "$E2E_WORK/mine"
wait_until "$E2E_WAIT" "title screen with --data-dir" on_title
quit_cleanly "--data-dir"
found_levels "$E2E_WORK/mine"
[ "$(cat "$E2E_WORK/mine/config.txt")" = "completedlevels=0;" ] || fail "--user-dir did not hold the progress"

# --- A per-user folder that cannot be made ---
touch "$E2E_WORK/not-a-folder"
export XDG_DATA_HOME=$E2E_WORK/not-a-folder
answer_message_boxes
start_game "$E2E_WORK/moved/bin/tangloop" "$E2E_WORK/elsewhere"
wait_until "$E2E_WAIT" "title screen without a per-user folder" on_title
click_until "level list without a per-user folder" "${MENU_PLAY[@]}" on_level_list
GAME_FOLDER_COPY=$E2E_WORK/moved/share/tangloop
play_level Bridge 0
quit_cleanly "no per-user folder"
stop_answering_message_boxes || true
[ "$(grep -c 'progress and saved levels will not be kept' "$E2E_WORK/game.log")" = 1 ] ||
    fail "the player was not told exactly once that progress cannot be kept"
# The screen says it in its corner line, not in a message box that stops the game.
boxes=$(( $(grep -c '^\[Error\]' "$E2E_WORK/game.log" || true) + $(grep -c '^Error$' "$E2E_WORK/answered" || true) ))
[ "$boxes" = 0 ] || fail "$boxes message boxes about the per-user folder; the corner line says it"
if grep -q 'Could not save progress' "$E2E_WORK/game.log"; then fail "a save failure was reported again"; fi

chmod -R u+w "$E2E_WORK/moved"
echo "PASS install_test"
