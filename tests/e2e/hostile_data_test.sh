#!/usr/bin/env bash
# The game folder as a careless player or a broken disk leaves it: each data
# file and picture in turn missing, empty, cut in half, replaced by random
# bytes (seeded) and, for text files, grown to 10 MB (beyond what the game
# reads: refused unread, as missing). A few cases more: the progress and
# settings files as links to a device (left as they are, never replaced),
# and a 2 GB sparse level (refused at once). Every time the game must
# start, show what its defaults give, take mouse and keys for 3 seconds (a
# click on "Play" opens the level list where the menu exists), end on SIGTERM
# with exit code 0 and leave config.txt with its completedlevels line.
# Prints a table of every case. HOSTILE_ONLY="<file> ..." runs only those
# files' cases (CTest runs the matrix as a few such parts side by side).
# Usage: hostile_data_test.sh <tangloop binary> <game folder>
set -uo pipefail
source "$(dirname "$0")/lib.sh"

BINARY=$(realpath "$1")
SOURCE_FOLDER=$2
SEED=${HOSTILE_SEED:-20261209}
TEXT_FILES=(menusetup.txt levels.txt themes.txt config.txt levels/Bridge.txt)
PICTURES=(label.bmp ball.bmp slidemenu.bmp Themes/sky.bmp)
HUGE_BYTES=$((10 * 1024 * 1024))

# The progress the config.txt cases start from, so that a value read is seen.
SAVED_PROGRESS=$'completedlevels=3;\n'

# random_bytes <count> <seed>: the same bytes for the same seed, every run.
random_bytes() {
    perl -e 'srand($ARGV[1]); print pack("C*", map { int(rand(256)) } 1 .. $ARGV[0])' "$1" "$2"
}

# grow_to_10mb <file> <record>: the file followed by the record repeated
# until the whole is 10 MB.
grow_to_10mb() {
    perl -e 'my ($file, $record, $total) = @ARGV; my $size = -s $file;
             open(my $out, ">>", $file) or die; binmode $out;
             my $count = int(($total - $size) / length($record)) + 1;
             print $out substr($record x $count, 0, $total - $size);' "$1" "$2" "$HUGE_BYTES"
}

# The record each text file is padded with: what a list, a menu or a level
# really holds, so the reader has to handle every one of them.
padding_record() {
    case $1 in
    menusetup.txt) echo '(4)[0]:0;{0}<400>{1}<90>{2}<0>{3}<Tangloop>{4}<1>{5}<40>' ;;
    levels.txt) echo '<Bridge>' ;;
    themes.txt) echo '<sky>' ;;
    config.txt) echo 'completedlevels=7;' ;;
    *) echo '(6)[0]{0}<-1>{1}<0.5>{2}<2>{3}<-0.5>(5)' ;;
    esac
}

# mutate <folder> <file> <variant>
mutate() {
    local path="$1/$2" size
    size=$(stat -c %s "$path" 2>/dev/null || echo 0)
    case $3 in
    missing) rm -f "$path" ;;
    empty) : >"$path" ;;
    truncated) truncate -s $((size / 2)) "$path" ;;
    random) random_bytes "$size" "$SEED" >"$path" ;;
    huge) grow_to_10mb "$path" "$(padding_record "$2")"$'\n' ;;
    sparse) rm -f "$path"; truncate -s 2G "$path" ;;
    device)
        # A node of its own in the folder (a pipe where nodes cannot be
        # made), so a game that wrongly replaced it harms nothing else.
        rm -f "$path"
        mknod "$1/.device" c 1 3 2>/dev/null || mkfifo "$1/.device"
        ln -s .device "$path" ;;
    esac
}

# fraction_lit <png>: share of pixels brighter than black, 0 to 1.
fraction_lit() {
    convert "$1" -colorspace Gray -threshold 8% -format '%[fx:mean]' info: 2>/dev/null || echo 0
}

# pixels_changed <png> <png>: how many pixels differ clearly between the two.
pixels_changed() {
    compare -metric AE -fuzz 15% "$1" "$2" null: 2>&1 >/dev/null | sed 's/[^0-9].*//'
}

# play_panel_shown <png>: the play mode's green side panel is on screen.
play_panel_shown() {
    local rgb
    rgb=$(convert "$1" -format '%[fx:int(255*p{100,420}.r)] %[fx:int(255*p{100,420}.g)] %[fx:int(255*p{100,420}.b)]' info: 2>/dev/null)
    awk -v rgb="$rgb" 'BEGIN { split(rgb, c, " "); exit !(c[2] > c[1] + 60 && c[2] > c[3] + 60) }'
}

# poke_for_3_seconds: pointer moves, a click on empty ground and key presses.
poke_for_3_seconds() {
    local x y
    for step in 1 2 3 4 5 6; do
        x=$((120 + step * 90)); y=$((480 - step * 40))
        xdotool mousemove --window "$E2E_WINDOW" "$x" "$y" 2>/dev/null || return 1
        sleep 0.2
        xdotool key --window "$E2E_WINDOW" a Left 2>/dev/null
        sleep 0.2
    done
    click 760 40
}

# run_case <file> <variant>: prints what was seen; returns non-zero on a fault.
run_case() {
    local file=$1 variant=$2 folder="$E2E_WORK/case" seen=()
    : >"$E2E_WORK/start.log"
    rm -rf "$folder"
    cp -r "$SOURCE_FOLDER" "$folder"
    rm -f "$folder/config.txt" "$folder"/*.log
    local expected_progress=0
    if [ "$file" = config.txt ]; then
        printf '%s' "$SAVED_PROGRESS" >"$folder/config.txt"
        [ "$variant" = huge ] && expected_progress=3
    fi
    mutate "$folder" "$file" "$variant"
    local menu=yes
    [ "$file" = menusetup.txt ] && [ "$variant" != truncated ] && menu=no

    # start_game fails only this case; the matrix still ends the game it left.
    trap 'echo "$E2E_GAME_PID" >"$E2E_WORK/pid"' EXIT
    start_game "$BINARY" "$folder" >"$E2E_WORK/start.log" 2>&1
    local status=0

    poke_for_3_seconds || { seen+=("input refused"); status=1; }
    local first second lit
    # The title's tiles fade in; a slow machine (or a sanitizer build) may
    # need longer than the 3 seconds of input to show them.
    for _ in $(seq 1 20); do
        first=$(screenshot start)
        lit=$(fraction_lit "$first")
        [ "$menu" = yes ] && awk -v f="$lit" 'BEGIN { exit !(f > 0.05) }' && break
        [ "$menu" = no ] && break
        sleep 0.5
    done
    if [ "$menu" = yes ]; then
        awk -v f="$lit" 'BEGIN { exit !(f > 0.05) }' && seen+=("menu shown") ||
            { seen+=("blank screen ($lit)"); status=1; }
    elif [ "$variant" = missing ] || [ "$variant" = empty ] || [ "$variant" = huge ]; then
        awk -v f="$lit" 'BEGIN { exit !(f < 0.01) }' && seen+=("no screens, black") ||
            { seen+=("drawn though no screens ($lit)"); status=1; }
    fi
    if [ "$menu" = yes ]; then
        click 400 243                       # "Play"
        local opened=no
        for _ in $(seq 1 20); do
            sleep 0.5
            second=$(screenshot list)
            [ "$(pixels_changed "$first" "$second")" -gt 5000 ] 2>/dev/null && { opened=yes; break; }
        done
        if [ "$opened" = yes ]; then
            seen+=("Play opened the list")
        else
            seen+=("Play did nothing"); status=1
        fi
        if [ "$file" = levels/Bridge.txt ] || [ "$file" = levels.txt ]; then
            click 400 86                    # the first row of the list
            # A loaded machine takes a while to start a level; wait for the play panel.
            local third played=no tries=4
            [ "$file" = levels/Bridge.txt ] && tries=30
            for _ in $(seq 1 "$tries"); do
                sleep 0.5
                third=$(screenshot level)
                play_panel_shown "$third" && { played=yes; break; }
            done
            [ "$played" = yes ] && seen+=("first row played") || seen+=("first row stayed")
            # With the level list gone or garbled there may be no row to
            # click; a missing or broken Bridge.txt still plays, empty.
            if [ "$file" = levels/Bridge.txt ] && [ "${seen[-1]}" = "first row stayed" ]; then status=1; fi
        fi
    fi
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
        seen+=("died"); E2E_GAME_PID=""; echo "${seen[*]}"; return 1
    fi
    xwininfo -id "$E2E_WINDOW" >/dev/null 2>&1 && seen+=("window answers") ||
        { seen+=("window gone"); status=1; }

    quit_by_signal
    [ "$E2E_EXIT_CODE" = 0 ] && seen+=("exit 0") || { seen+=("exit $E2E_EXIT_CODE"); status=1; }
    if [ "$variant" = device ]; then
        # Never replaced, and never read from as if it were a file.
        if [ -L "$folder/$file" ] && { [ -c "$folder/.device" ] || [ -p "$folder/.device" ]; }; then
            seen+=("$file left a link to a device")
        else
            seen+=("$file replaced"); status=1
        fi
        [ "$file" = config.txt ] && ! grep -q "progress is not kept" "$E2E_WORK/game.log" &&
            { seen+=("no word that progress is not kept"); status=1; }
    elif grep -qx "completedlevels=$expected_progress;" "$folder/config.txt" 2>/dev/null; then
        seen+=("progress $expected_progress saved")
    else
        seen+=("progress file: $(head -c 40 "$folder/config.txt" 2>/dev/null | tr -c '[:print:]' '?')"); status=1
    fi
    local dialogs
    dialogs=$(grep -c '^\[Error\]' "$E2E_WORK/game.log" 2>/dev/null)
    dialogs=$((dialogs + $(wc -l <"$E2E_WORK/answered")))
    [ "$dialogs" -gt 0 ] && seen+=("$dialogs message(s): $(grep -m1 -o '^\[Error\] .*' "$E2E_WORK/game.log" | tr -d '\n')")
    # A game folder without its menu file opens an empty window, and says why.
    if [ "$file" = menusetup.txt ] && [ "$variant" = missing ] &&
        ! grep -q "menusetup.txt is missing" "$E2E_WORK/game.log"; then
        seen+=("no word of the missing menu"); status=1
    fi
    # A picture that is there but unreadable is reported; a missing one is not.
    if [[ $file == *.bmp ]]; then
        if [ "$variant" = missing ] && [ "$dialogs" -gt 0 ]; then status=1; fi
        if [ "$variant" != missing ] && [ "$dialogs" -eq 0 ]; then seen+=("no message"); status=1; fi
    fi
    : >"$E2E_WORK/answered"
    echo "${seen[*]}"
    return $status
}

start_display
answer_message_boxes
failures=0
table=()
started=$(date +%s)
# The cases beyond the matrix, "file:variant", one run each.
EXTRA_CASES=(config.txt:device settings.txt:device levels/Bridge.txt:sparse)
for file in "${TEXT_FILES[@]}" "${PICTURES[@]}" settings.txt; do
    [ -n "${HOSTILE_ONLY:-}" ] && [[ " $HOSTILE_ONLY " != *" $file "* ]] && continue
    variants=()
    [ "$file" != settings.txt ] && variants=(${HOSTILE_VARIANTS:-missing empty truncated random})
    [[ $file == *.txt ]] && [ "$file" != settings.txt ] && [ -z "${HOSTILE_VARIANTS:-}" ] && variants+=(huge)
    if [ -z "${HOSTILE_VARIANTS:-}" ]; then
        for extra in "${EXTRA_CASES[@]}"; do [ "${extra%%:*}" = "$file" ] && variants+=("${extra#*:}"); done
    fi
    for variant in "${variants[@]}"; do
        # A case whose window never came up is tried once more: on a machine
        # loaded by other work a start can take longer than the wait; a game
        # that truly cannot start fails both times.
        for attempt in 1 2; do
            rm -f "$E2E_WORK/pid"
            if seen=$(run_case "$file" "$variant") && [ -n "$seen" ]; then result=PASS; else result=FAIL; fi
            [ -n "$E2E_GAME_PID" ] && { kill -KILL "$E2E_GAME_PID" 2>/dev/null; E2E_GAME_PID=""; }
            pid=$(cat "$E2E_WORK/pid" 2>/dev/null) && kill -KILL "$pid" 2>/dev/null
            [ -z "$seen" ] && [ "$attempt" = 1 ] && grep -q 'no Tangloop window' "$E2E_WORK/start.log" && continue
            break
        done
        [ "$result" = FAIL ] && failures=$((failures + 1))
        line=$(printf "%-18s %-10s %s  %s" "$file" "$variant" "$result" "${seen:-did not start: $(grep -m1 FAIL "$E2E_WORK/start.log")}")
        echo "$line"
        [ "$result" = FAIL ] && sed 's/^/    game: /' "$E2E_WORK/game.log" | head -20
        table+=("$line")
    done
done
stop_answering_message_boxes
echo
echo "== hostile data folder: $(( $(date +%s) - started )) s"
printf '%s\n' "${table[@]}"
[ "${#table[@]}" -gt 0 ] || fail "no case matches HOSTILE_ONLY=$HOSTILE_ONLY"
[ "$failures" -eq 0 ] || fail "$failures case(s) failed"
echo "PASS hostile_data_test"
