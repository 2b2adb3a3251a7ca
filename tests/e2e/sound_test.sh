#!/usr/bin/env bash
# What the game sounds like, recorded by SDL's file-writing audio driver
# (SDL_AUDIODRIVER=disk: raw 16-bit stereo at 44.1 kHz, written as it would
# be heard) and measured with sox. The first level played with its solution:
# silence while the ropes hang and nothing moves, sound right after "Try it
# out" and when the level completes. With --mute the whole recording is
# silent. With an audio driver that cannot open, or a device lost once open,
# the game starts and plays all the same and says so once.
# Usage: sound_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

BYTES_PER_SECOND=$((44100 * 4))
RECORDING="$E2E_WORK/sound.raw"

# recorded: how many bytes of sound the driver has written so far.
recorded() { stat -c %s "$RECORDING" 2>/dev/null || echo 0; }

# measure <what> <from byte> <to byte>: sox's figure for that stretch of the
# recording ("Maximum amplitude", "RMS amplitude").
measure() {
    local from=$(($2 / 4)) length=$((($3 - $2) / 4))
    [ "$length" -gt 0 ] || fail "no recording between bytes $2 and $3"
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$RECORDING" -n trim "${from}s" "${length}s" stat 2>&1 |
        awk -v what="$1" '$0 ~ what " *amplitude" { print $NF }'
}

# loud <from> <to> <at least>: the RMS of that stretch is at least that much.
loud() { awk -v v="$(measure RMS "$1" "$2")" -v min="$3" 'BEGIN { exit !(v >= min) }'; }

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/config.txt" "$GAME_FOLDER_COPY/settings.txt"

# --- The first level, heard ---
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$RECORDING"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "level list" "${MENU_PLAY[@]}" on_level_list
click_until "play screen of Bridge" 400 "$(list_row_y 0)" in_a_level
hang_rope_between "$GAME_FOLDER_COPY/levels/Bridge.txt" 0 1

# The rope's own sound has long ended; the ball is held: nothing touches.
sleep 1
quiet_from=$(recorded)
sleep 2
quiet_to=$(recorded)
[ "$(measure Maximum "$quiet_from" "$quiet_to")" = "0.000000" ] ||
    fail "sound while nothing touches: peak $(measure Maximum "$quiet_from" "$quiet_to")"

try_at=$(recorded)
firm_click "${PLAY_TRY[@]}"
sleep 2
loud "$try_at" "$(recorded)" 0.005 || fail "silence after Try it out: RMS $(measure RMS "$try_at" "$(recorded)")"

wait_until 300 "completion screen" completion_shown
completed_at=$(recorded)
# The jingle starts with the fade, a second before the completion screen
# answers. The disk driver sleeps a buffer's length after each write, so on
# a busy machine its file falls behind the game: two more seconds of
# recording are waited for, so that the jingle is written before it is looked for.
grown_to() { [ "$(recorded)" -ge "$1" ]; }
wait_until 30 "two more seconds of recording" grown_to $((completed_at + 2 * BYTES_PER_SECOND))
from=$((completed_at - 4 * BYTES_PER_SECOND))
[ "$from" -gt "$try_at" ] || from=$try_at
to=$(recorded)
loud "$from" "$to" 0.005 || fail "silence at completion: RMS $(measure RMS "$from" "$to")"
stop_game
[ "$(grep -c '^tangloop: no sound' "$E2E_WORK/game.log")" -eq 0 ] || fail "the disk driver did not play"

# --- --mute: the device plays, but silence throughout ---
mv "$RECORDING" "$E2E_WORK/sound_play.raw"  # kept with E2E_KEEP, to listen to
start_game "$1" "$GAME_FOLDER_COPY" --mute
wait_until "$E2E_WAIT" "title screen with --mute" on_title
click_until "level list with --mute" "${MENU_PLAY[@]}" on_level_list
click_until "title with --mute" "${LIST_BACK[@]}" on_title
stop_game
[ "$(recorded)" -gt "$BYTES_PER_SECOND" ] || fail "--mute recorded only $(recorded) bytes"
[ "$(measure Maximum 0 "$(recorded)")" = "0.000000" ] || fail "sound with --mute: peak $(measure Maximum 0 "$(recorded)")"
[ ! -e "$GAME_FOLDER_COPY/settings.txt" ] || grep -q '^muted 0' "$GAME_FOLDER_COPY/settings.txt" ||
    fail "--mute was kept beyond its run"

# --- A driver that cannot open: silent, said once, and the game plays ---
export SDL_AUDIODRIVER=no-such-driver
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen with no sound" on_title
click_until "level list with no sound" "${MENU_PLAY[@]}" on_level_list
stop_game
[ "$(grep -c '^tangloop: no sound' "$E2E_WORK/game.log")" -eq 1 ] || fail "no sound was not said exactly once"

# --- A device lost once open: the disk driver's first write to /dev/full
# fails and SDL reports the device gone. Said once; clicks and screens after
# it go on silently. ---
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/full
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen with the device lost" on_title
click_until "level list with the device lost" "${MENU_PLAY[@]}" on_level_list
click_until "title with the device lost" "${LIST_BACK[@]}" on_title
stop_game
[ "$(grep -c '^tangloop: no sound: the audio device was lost' "$E2E_WORK/game.log")" -eq 1 ] &&
    [ "$(grep -c '^tangloop: no sound' "$E2E_WORK/game.log")" -eq 1 ] || fail "the lost device was not said exactly once"
echo "PASS sound_test"
