#!/usr/bin/env bash
# The Options screen as a player uses it: the volume slider and the sound
# button change settings.txt at once, and a new run shows them as they were
# left. The main row's minus and a German layout's + key set the volume, and
# the corner line says so.
# Reset progress asks first; Esc keeps the progress, Enter writes 0 at once.
# Usage: options_test.sh <tangloop binary> <game folder>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/player.sh"

GAME_FOLDER_COPY=$(copy_game_folder "$2")
rm -f "$GAME_FOLDER_COPY/settings.txt"
printf 'completedlevels=3;\n' >"$GAME_FOLDER_COPY/config.txt"
SETTINGS="$GAME_FOLDER_COPY/settings.txt"
export SDL_AUDIODRIVER=dummy

OPTIONS_SOUND=(400 244)
OPTIONS_RESET=(400 364)
SLIDER_Y=195
# What the screen says of the two settings: the slider with its caption,
# and the sound button with its label.
VOLUME_AREA="210x32+295+170"
SOUND_AREA="204x32+298+228"

# on_options: the volume slider's white bar, which only the Options screen has.
on_options() { shot_shows options "180x12+310+189" white 200; }
# question_shown: the left edge of the question's box, a white line at x 180.
question_shown() { [ "$(fx_count "$(screenshot question)" "3x40+179+280" "r > 0.9 && g > 0.9 && b > 0.9")" -ge 35 ]; }
no_question() { ! question_shown; }
# corner_line_shown: light letters on the dark band at the bottom right.
corner_line_shown() {
    local shot
    shot=$(screenshot corner) || return 1
    [ "$(fx_count "$shot" "110x16+682+578" "r > 0.8 && g > 0.8 && b > 0.8")" -ge 40 ]
}
setting_is() { grep -qx "$1" "$SETTINGS" 2>/dev/null; }
# area_of <shot> <area> <as>: that part of a screenshot, kept to compare.
area_of() { convert "$1" -crop "$2" +repage "$E2E_WORK/$3.png"; }
same_picture() { [ "$(compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1)" = 0 ]; }
# The pointer away from every button and the slider, so that none is hovered.
park() { point_at 700 120; }
# shown_as <name>: the settings as the screen shows them now, typed in.
shown_as() {
    park
    settle options "$VOLUME_AREA"
    area_of "$E2E_WORK/options.png" "$VOLUME_AREA" "${1}_volume"
    area_of "$E2E_WORK/options.png" "$SOUND_AREA" "${1}_sound"
}

start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen" on_title
click_until "Options" "${MENU_OPTIONS[@]}" on_options
shown_as before
keep_shot options options_screen

# The slider at 30% of its 200 pixels, then the sound off: each is written
# as soon as it is made.
firm_click $((300 + 60)) "$SLIDER_Y"
wait_until 20 "volume 30 in settings.txt" setting_is "volume 30"
firm_click "${OPTIONS_SOUND[@]}"
wait_until 20 "muted 1 in settings.txt" setting_is "muted 1"
shown_as changed
same_picture before_volume changed_volume && fail "the slider does not show the new volume"
same_picture before_sound changed_sound && fail "the sound button does not say the sound is off"

# Esc is the screen's Back.
press_key Escape
wait_until "$E2E_WAIT" "the title after Esc on Options" on_title
stop_game
setting_is "volume 30" && setting_is "muted 1" || fail "not kept at exit: $(cat "$SETTINGS")"

# A new run shows both as they were left.
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen, second run" on_title
click_until "Options, second run" "${MENU_OPTIONS[@]}" on_options
shown_as again
same_picture changed_volume again_volume || fail "the volume is not shown as it was left"
same_picture changed_sound again_sound || fail "the sound is not shown off as it was left"

# Reset progress asks first with the game's own question: Esc keeps the
# progress (and does not also leave Options), Enter resets it at once.
firm_click "${OPTIONS_RESET[@]}"
wait_until 20 "the reset question" question_shown
keep_shot question reset_question
press_key Escape
wait_until 20 "the question gone after Esc" no_question
progress_is 3 || fail "Esc on the question changed the progress: $(cat "$GAME_FOLDER_COPY/config.txt")"
on_options || fail "Esc on the question also left Options"
firm_click "${OPTIONS_RESET[@]}"
wait_until 20 "the reset question again" question_shown
press_key Return
wait_until 20 "progress 0 after Reset" progress_is 0
no_question || fail "the question stayed after Enter"

# The main row's minus: quieter, and the sound on again. A quick press: a
# held key repeats, and each repeat is a step.
xdotool key minus
wait_until 20 "volume 20 after minus" setting_is "volume 20"
wait_until 20 "the corner line after minus" corner_line_shown
keep_shot corner corner_line
setting_is "muted 0" || fail "minus left the sound off"
stop_game

# A German layout's + key, which types + unshifted.
setxkbmap -display "$DISPLAY" de || fail "no German layout"
start_game "$1" "$GAME_FOLDER_COPY"
wait_until "$E2E_WAIT" "title screen, German layout" on_title
xdotool key plus
wait_until 20 "volume 30 after the German +" setting_is "volume 30"
stop_game
echo "PASS options_test"
