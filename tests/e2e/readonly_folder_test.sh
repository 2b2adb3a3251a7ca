#!/usr/bin/env bash
# The game installed where the player may not write (a system folder, a
# read-only medium): it starts, shows its menu, takes input, and at the end
# says on stderr that the progress could not be saved, instead of failing
# quietly or crashing. Root writes through any permission bits, so as root the
# game runs as the unprivileged user "nobody" instead.
# Usage: readonly_folder_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

BINARY=$(realpath "$1")
FOLDER=$(copy_game_folder "$2")
rm -f "$FOLDER/config.txt" "$FOLDER"/*.log
chmod -R a-w "$FOLDER"

LAUNCH=$BINARY
if touch "$FOLDER/.write-probe" 2>/dev/null; then
    rm -f "$FOLDER/.write-probe"
    if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        # nobody must reach the copy and the binary, and nothing more.
        chmod a+rx "$E2E_WORK"
        chmod -R a+rX "$FOLDER"
        LAUNCH="$E2E_WORK/as_nobody"
        printf '#!/bin/sh\nexec setpriv --reuid=%s --regid=%s --clear-groups env HOME=/nonexistent "%s"\n' \
            "$(id -u nobody)" "$(id -g nobody)" "$BINARY" >"$LAUNCH"
        chmod a+rx "$LAUNCH"
        su_probe=$(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups \
            sh -c "touch '$FOLDER/.probe' 2>/dev/null && echo writable || echo read-only")
        [ "$su_probe" = read-only ] || { echo "SKIP: the folder stays writable even for nobody"; exit 0; }
        echo "running as nobody: root writes through read-only permissions"
    else
        echo "SKIP: the folder stays writable and there is no unprivileged user to run as"
        exit 0
    fi
fi

start_display
answer_message_boxes
start_game "$LAUNCH" "$FOLDER"

# Three seconds of input: pointer moves, keys, then "Play" and "Back".
for x in 200 300 400 500 600; do
    move_to "$x" 300
    xdotool key --window "$E2E_WINDOW" Right 2>/dev/null || true
done
click 400 243                               # "Play"
sleep 1.5
shot=$(screenshot list)
lit=$(convert "$shot" -colorspace Gray -threshold 8% -format '%[fx:mean]' info:)
awk -v f="$lit" 'BEGIN { exit !(f > 0.05) }' || fail "the level list screen is blank ($lit)"
click 400 514                               # "Back"
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game died in a read-only folder"

quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE after SIGTERM"
grep -q 'Could not save progress to config.txt' "$E2E_WORK/game.log" ||
    fail "no word on stderr that the progress was not saved"
[ ! -e "$FOLDER/config.txt" ] || fail "config.txt written into a read-only folder?"
echo "stderr: $(grep 'progress' "$E2E_WORK/game.log")"
echo "PASS readonly_folder_test"
