#!/usr/bin/env bash
# F1 where the window system refuses full screen (a preloaded stand-in for
# SDL_SetWindowFullscreen refuses it): the game asks "Brelk GL" whether to go
# on windowed. Answered Yes, it goes on in an 800 by 600 window, with the
# level list still open and the first level playable. Answered No, it says
# "Program will now close." and ends.
# The question goes through SDL's dialog, which on this display runs the
# zenity program: a stand-in on the PATH records each question and answers.
# Usage: fullscreen_refused_test.sh <tangloop binary> <game folder>
set -euo pipefail
export E2E_SCREEN=1280x1024x24
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

# stand_in_dialog <answer>: the next game's dialogs are answered so.
stand_in_dialog() {
    mkdir -p "$E2E_WORK/bin"
    cat >"$E2E_WORK/bin/zenity" <<STUB
#!/bin/sh
# One line per dialog: its arguments, separated by |.
printf '%s|' "\$@" >>"$E2E_WORK/dialogs"
echo >>"$E2E_WORK/dialogs"
echo $1
STUB
    chmod +x "$E2E_WORK/bin/zenity"
    : >"$E2E_WORK/dialogs"
}
export PATH="$E2E_WORK/bin:$PATH"
QUESTION="The requested fullscreen mode is not supported by
your video card. Use windowed mode instead?"
# asked <title> <text>: a dialog so titled asked that (line breaks kept).
asked() { tr '\n' '~' <"$E2E_WORK/dialogs" | grep -qF -- "--title|$1|--text|${2//$'\n'/\~}|"; }
dialog_count() { grep -o -- '--title|' "$E2E_WORK/dialogs" | wc -l; }
question_asked() { [ "$(dialog_count)" -ge 1 ]; }

GAME_FOLDER_COPY=$(copy_game_folder "$2")
REFUSE=$(realpath "$(dirname "$1")/librefuse_fullscreen.so") || fail "no librefuse_fullscreen.so beside $1"
export LD_PRELOAD="$REFUSE${LD_PRELOAD:+:$LD_PRELOAD}"
# A sanitizer build wants its runtime loaded first; the stand-in only wraps
# SDL, so let it go ahead of the runtime.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# --- Yes: windowed as before ---
stand_in_dialog Yes
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
press_key F1
wait_until "$E2E_WAIT" "the full-screen question" question_asked
wait_until "$E2E_WAIT" "an 800x600 window after Yes" window_is 800x600
[ "$(dialog_count)" -eq 1 ] || fail "expected one dialog: $(cat "$E2E_WORK/dialogs")"
asked "Brelk GL" "$QUESTION" || fail "not the full-screen question: $(cat "$E2E_WORK/dialogs")"
# Centred on the screen.
[ "$(window_position)" = "240,212" ] || fail "the window stands at $(window_position)"
wait_until "$E2E_WAIT" "level list in the new window" on_level_list

click_until "the first level in the new window" 400 "$(list_row_y 0)" in_a_level
measure_camera "$GAME_FOLDER_COPY/levels/Bridge.txt"
quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"

# --- No: the game closes ---
stand_in_dialog No
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
press_key F1
wait_until "$E2E_WAIT" "the end of the game after No" game_ended
wait "$E2E_GAME_PID" && status=0 || status=$?
E2E_GAME_PID=""
[ "$status" -eq 0 ] || fail "exit code $status after No"
asked "ERROR" "Program will now close." || fail "no closing message: $(cat "$E2E_WORK/dialogs")"
echo "PASS fullscreen_refused_test"
