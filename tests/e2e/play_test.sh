#!/usr/bin/env bash
# A player finishes the first level with the mouse alone: "Play", the first
# row of the level list, a rope dragged between the two dock points, "Try it
# out", then "Return To Menu" once the fade is over. The count is on disk at
# once, so a SIGKILL right after loses nothing, and the next start shows it.
# Usage: play_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

FOLDER=$(copy_game_folder "$2")
rm -f "$FOLDER/config.txt"
start_game "$1" "$FOLDER"

# While ropes are placed the view is centred on (-1.3, 0) at 72.5 pixels per
# unit, so the dock points (-1, -0.5) and (1, -1.8) sit at these pixels.
click 400 243          # "Play"
sleep 2
click 400 86           # the first row, "Bridge"
sleep 1
drag 422 336 567 430   # a rope from dock to dock
click 100 310          # "Try it out"
sleep 8                # the roll and the fade to black
shot=$(screenshot completed) && cp "$shot" /tmp/e2e_completed.png
click 500 415          # "Return To Menu"
sleep 1
grep -qx 'completedlevels=1;' "$FOLDER/config.txt" || fail "progress not on disk after the level: $(cat "$FOLDER/config.txt" 2>/dev/null)"

kill -KILL "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""
start_game "$1" "$FOLDER"
stop_game
grep -qx 'completedlevels=1;' "$FOLDER/config.txt" || fail "progress lost after a kill and a restart"
echo "PASS play_test"
