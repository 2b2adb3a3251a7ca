#!/usr/bin/env bash
# The real game opens one window titled "Tangloop" of 800 by 600, and a
# SIGTERM ends it the orderly way: exit code 0 within 5 seconds, progress saved.
# Usage: window_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

FOLDER=$(copy_game_folder "$2")
rm -f "$FOLDER/config.txt"
start_game "$1" "$FOLDER"

geometry=$(xdotool getwindowgeometry "$E2E_WINDOW") || fail "no geometry"
echo "$geometry" | grep -q 'Geometry: 800x600' || fail "window is not 800x600: $geometry"

kill -TERM "$E2E_GAME_PID"
status=""
for _ in $(seq 1 50); do
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        wait "$E2E_GAME_PID" && status=0 || status=$?
        break
    fi
    sleep 0.1
done
E2E_GAME_PID=""
[ -n "$status" ] || fail "still running 5 seconds after SIGTERM"
[ "$status" -eq 0 ] || fail "exit code $status after SIGTERM"
grep -qx 'completedlevels=0;' "$FOLDER/config.txt" || fail "progress not written at exit"
echo "PASS window_test"
