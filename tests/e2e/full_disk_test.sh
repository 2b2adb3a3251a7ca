#!/usr/bin/env bash
# The player's folder on a full disk: the first level is finished and ticked,
# but its progress cannot be kept, and the screen says so (a line in the
# corner of the level list), once, instead of only stderr. The folder is a
# small tmpfs filled to the brim where the machine lets us mount one; else
# the game runs under a file-size limit of 0 with SIGXFSZ ignored, which is
# what a full disk looks like to a writer.
# Usage: full_disk_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/config.txt"
FULL=$E2E_WORK/full
mkdir -p "$FULL"
LAUNCH=$(realpath "$1")
if mount -t tmpfs -o size=64k tmpfs "$FULL" 2>/dev/null; then
    trap 'umount "$FULL" 2>/dev/null; e2e_cleanup' EXIT
    dd if=/dev/zero of="$FULL/filler" bs=4k 2>/dev/null || true
    echo "user folder: a full 64 KB tmpfs"
else
    LAUNCH="$E2E_WORK/limited"
    printf '#!/bin/bash\ntrap "" XFSZ\nulimit -f 0\nexec "%s" "$@"\n' "$(realpath "$1")" >"$LAUNCH"
    chmod +x "$LAUNCH"
    echo "user folder: written under a file-size limit of 0"
fi

start_game "$LAUNCH" "$GAME_FOLDER_COPY" --user-dir "$FULL"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
play_level Bridge 0

# The corner line is up for about two seconds of game time.
NOTICE_AREA="360x12+432+581"
told=no
for _ in $(seq 1 12); do
    shot=$(screenshot notice)
    [ "$(colour_count "$shot" "$NOTICE_AREA" white 25%)" -ge 150 ] && { told=yes; break; }
done
keep_shot notice full_disk_notice
[ "$told" = yes ] || fail "no line on screen says that the progress was not saved"
[ "$(colour_count "$shot" "$(list_mark_area 0)" white)" -gt 0 ] || fail "the finished level is not ticked"

quit_by_signal
[ "$E2E_EXIT_CODE" = 0 ] || fail "exit code $E2E_EXIT_CODE"
[ ! -s "$FULL/config.txt" ] || fail "config.txt holds $(cat "$FULL/config.txt") on a full disk?"
grep -q 'Could not save progress' "$E2E_WORK/game.log" || fail "no word in the log"
echo "PASS full_disk_test"
