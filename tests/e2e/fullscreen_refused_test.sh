#!/usr/bin/env bash
# F1 where the window system refuses full screen (a preloaded stand-in for
# SDL_SetWindowFullscreen refuses it): the game goes on in an 800 by 600
# window and asks, in its own dialog drawn over the picture (no system message
# box, no helper program), whether to go on windowed. Answered Yes (Enter),
# the level list is still open and the first level playable. Answered No
# (Esc), it says "Program will now close." on stderr and ends, and the
# full-screen choice that failed is not kept in settings.txt.
# Usage: fullscreen_refused_test.sh <tangloop binary> <game folder>
set -euo pipefail
export E2E_SCREEN=1280x1024x24
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

# A zenity on the PATH that records being called: no question may use it.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s/zenity-calls"\n' "$E2E_WORK" >"$E2E_WORK/bin/zenity"
chmod +x "$E2E_WORK/bin/zenity"
export PATH="$E2E_WORK/bin:$PATH"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
REFUSE=$(realpath "$(dirname "$1")/librefuse_fullscreen.so") || fail "no librefuse_fullscreen.so beside $1"
export LD_PRELOAD="$REFUSE${LD_PRELOAD:+:$LD_PRELOAD}"
# A sanitizer build wants its runtime loaded first; the stand-in only wraps
# SDL, so let it go ahead of the runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# --- Yes: windowed as before ---
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
press_key F1
wait_until "$E2E_WAIT" "an 800x600 window" window_is 800x600
wait_until "$E2E_WAIT" "the full-screen question" dialog_shown
keep_shot dialog fullscreen-refused-dialog
# With no window manager the new window gets the keyboard by hand.
xdotool windowfocus --sync "$E2E_WINDOW" || fail "cannot focus the new window"
# Centred on the screen.
[ "$(window_position)" = "240,212" ] || fail "the window stands at $(window_position)"
# The focus given by hand can come after the key on a slow (sanitizer) build: pressed again until taken.
answered=no
for _ in 1 2 3 4 5; do
    press_key Return
    for _ in $(seq 1 20); do no_dialog && { answered=yes; break; }; sleep 0.5; done
    [ "$answered" = yes ] && break
done
[ "$answered" = yes ] || fail "Return did not answer the full-screen question"
wait_until "$E2E_WAIT" "level list in the new window" on_level_list

click_until "the first level in the new window" 400 "$(list_row_y 0)" in_a_level
measure_camera "$GAME_FOLDER_COPY/levels/Bridge.txt"
quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"

# --- No: the game closes ---
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
press_key F1
wait_until "$E2E_WAIT" "the new window" window_is 800x600
wait_until "$E2E_WAIT" "the full-screen question again" dialog_shown
xdotool windowfocus --sync "$E2E_WINDOW" || fail "cannot focus the new window"
press_key Escape
wait_until "$E2E_WAIT" "the end of the game after No" game_ended
wait "$E2E_GAME_PID" && status=0 || status=$?
E2E_GAME_PID=""
[ "$status" -eq 0 ] || fail "exit code $status after No"
grep -qF "[ERROR] Program will now close." "$E2E_WORK/game.log" || fail "no closing message"
if grep -q "^fullscreen 1" "$GAME_FOLDER_COPY/settings.txt" 2>/dev/null; then
    fail "the refused full screen was kept: $(cat "$GAME_FOLDER_COPY/settings.txt")"
fi
[ ! -e "$E2E_WORK/zenity-calls" ] || fail "a question used zenity: $(cat "$E2E_WORK/zenity-calls")"
echo "PASS fullscreen_refused_test"
