# A player's eyes and hands for the end-to-end tests: where a level's dock
# points land on the screen, what a screenshot shows, and a level played
# through with its stored solution. Source it after lib.sh.
#
# The mouse maps a window pixel (px, py) to the world by
#     x = 320/29 * px / W - 160/29 + camera.x
#     y = 160/29 * H / W - 320/29 * py / W + camera.y
# (W, H the window size), and the world is drawn to match, so a world point
# is seen at the inverse of that. In an 800 by 600 window one unit is 72.5
# pixels.

E2E_WINDOW_W=${E2E_WINDOW_W:-800}
E2E_WINDOW_H=${E2E_WINDOW_H:-600}

# The play panel covers x 0 to 200; a press there starts no rope.
E2E_PANEL_RIGHT=200

# level_records <level file>: one line "section index sub-index field value"
# per stored value, read the way the game does: (section) [index] :sub; and
# {field} select, <value> stores, taken up to the next '>' whatever it holds.
level_records() {
    [ -f "$1" ] || fail "no level file $1"
    awk 'BEGIN { RS = "\001" }
    {
        n = length($0); section = 1; element = 0; sub_ = 0; field = 1
        for (i = 1; i <= n; ++i) {
            c = substr($0, i, 1)
            if (c == "<") closer = ">"
            else if (c == "(") closer = ")"
            else if (c == "[") closer = "]"
            else if (c == "{") closer = "}"
            else if (c == ":") closer = ";"
            else continue
            j = index(substr($0, i + 1), closer)
            if (j == 0) break
            token = substr($0, i + 1, j - 1)
            i += j
            if (c == "<") print section, element, sub_, field, token
            else if (c == "(") section = token + 0
            else if (c == "[") element = token + 0
            else if (c == "{") field = token + 0
            else sub_ = token + 0
        }
    }' "$1"
}

# level_docks <level file>: one line "x y" per dock point, in index order.
level_docks() {
    level_records "$1" | awk '$1 == 4 && $4 <= 1 {
        v[$2, $4] = $5; if ($2 + 1 > count) count = $2 + 1
    }
    END { for (k = 0; k < count; ++k) print v[k, 0] + 0, v[k, 1] + 0 }'
}

# level_ball <level file>: "x y radius" of ball 0.
level_ball() {
    level_records "$1" | awk '$1 == 1 && $2 == 0 && $4 <= 2 { v[$4] = $5 }
    END { print v[0] + 0, v[1] + 0, (2 in v) ? v[2] + 0 : 0.3 }'
}

# pixel_to_world <px> <py> <camera x> <camera y>: prints "x y" as the mouse maps it.
pixel_to_world() {
    awk -v px="$1" -v py="$2" -v cx="$3" -v cy="$4" -v w="$E2E_WINDOW_W" -v h="$E2E_WINDOW_H" 'BEGIN {
        a = 320 / 29; b = 160 / 29
        printf "%.5f %.5f\n", a * px / w - b + cx, b * h / w - a * py / w + cy
    }'
}

# world_to_pixel <x> <y> <camera x> <camera y>: prints "px py", rounded.
world_to_pixel() {
    awk -v x="$1" -v y="$2" -v cx="$3" -v cy="$4" -v w="$E2E_WINDOW_W" -v h="$E2E_WINDOW_H" 'BEGIN {
        a = 320 / 29; b = 160 / 29
        px = (x - cx + b) * w / a
        py = (b * h / w + cy - y) * w / a
        printf "%d %d\n", int(px + 0.5), int(py + 0.5)
    }'
}

# dock_pixel <level file> <dock index> <camera x> <camera y>: prints "px py".
dock_pixel() {
    local line
    line=$(level_docks "$1" | sed -n "$(( $2 + 1 ))p")
    [ -n "$line" ] || fail "$1 has no dock point $2"
    world_to_pixel $line "$3" "$4"
}

# green_marks <screenshot>: the centres "px py" of the small green squares
# right of the panel: the dock points not under the mouse. They may be added
# onto the picture behind them, so green is full and red and blue are what
# the picture gave: red never as bright, blue up to a bright sky's.
green_marks() {
    local left=$((E2E_PANEL_RIGHT + 1))
    convert "$1" -crop "$((E2E_WINDOW_W - left))x${E2E_WINDOW_H}+${left}+0" +repage \
        \( -clone 0 -channel G -separate +channel -threshold 98% \) \
        \( -clone 0 -channel R -separate +channel -threshold 60% -negate \) \
        \( -clone 0 -channel B -separate +channel -threshold 90% -negate \) \
        -delete 0 -evaluate-sequence min \
        -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
        awk -v left="$left" '/gray\(255\)/ {
            split($3, c, ","); area = $4
            if (area <= 100) printf "%d %d\n", int(c[1] + left + 0.5), int(c[2] + 0.5)
        }'
}

# camera_fit <level file> <screenshot>: where the view looks, "x y" in world
# units, found by lining the level's dock points up with the green marks in
# the screenshot: the camera that puts the most dock points on marks and none
# of those that would be seen elsewhere. Prints nothing when none fits.
camera_fit() {
    local marks
    marks=$(green_marks "$2")
    level_docks "$1" | awk -v marks="$marks" -v w="$E2E_WINDOW_W" -v h="$E2E_WINDOW_H" \
        -v left="$E2E_PANEL_RIGHT" '
    { dx[NR] = $1; dy[NR] = $2 }
    END {
        m = split(marks, list, "\n")
        for (i = 1; i <= m; ++i) { split(list[i], p, " "); mx[i] = p[1]; my[i] = p[2] }
        a = 320 / 29; b = 160 / 29; bestHits = 0
        # The background picture covers 800 by 600 pixels whatever the
        # window; beyond it the clear colour is so blue that a dock point
        # added onto it no longer looks green, so only marks on the picture count.
        bw = w < 800 ? w : 800; bh = h < 600 ? h : 600
        for (c = 1; c <= NR; ++c) for (j = 1; j <= m; ++j) {
            # The camera that puts dock c on mark j.
            cx = dx[c] - (a * mx[j] / w - b); cy = dy[c] - (b * h / w - a * my[j] / w)
            hits = 0; misses = 0
            for (d = 1; d <= NR; ++d) {
                px = (dx[d] - cx + b) * w / a; py = (b * h / w + cy - dy[d]) * w / a
                if (px < left + 6 || px > bw - 4 || py < 4 || py > bh - 4) continue
                found = 0
                for (i = 1; i <= m; ++i)
                    if ((mx[i] - px) ^ 2 + (my[i] - py) ^ 2 <= 16) found = 1
                if (found) ++hits; else ++misses
            }
            if (misses == 0 && hits > bestHits) { bestHits = hits; bx = cx; by = cy }
        }
        # One mark alone could be any dock point: with two or more, two must fit.
        if (bestHits > 0 && (bestHits >= 2 || NR < 2)) printf "%.4f %.4f\n", bx, by
    }'
}

# --- Waiting: a loaded machine runs the game at any speed, so every wait
# polls for what it waits for, with a generous limit. ---

E2E_WAIT=${E2E_WAIT:-60}

# The game drains every waiting input event before it draws the next frame,
# and a frame on a busy machine can take a few tenths of a second. A press
# and a release, or a press and a move, that reach it within one frame look
# like nothing happened; so each state a frame must see is held this long.
E2E_HOLD=${E2E_HOLD:-0.5}

# firm_click <x> <y>: press there, hold, release.
firm_click() {
    move_to "$1" "$2"
    xdotool mousedown 1 || fail "mousedown at $1 $2"
    sleep "$E2E_HOLD"
    xdotool mouseup 1
    sleep "$E2E_STEP"
}

# firm_drag <x1> <y1> <x2> <y2>: press at the first pixel and hold, move
# by way of the middle, hold at the second pixel, release.
firm_drag() {
    move_to "$1" "$2"
    xdotool mousedown 1 || fail "mousedown at $1 $2"
    sleep "$E2E_HOLD"
    move_to $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    move_to "$3" "$4"
    sleep "$E2E_HOLD"
    xdotool mouseup 1
    sleep "$E2E_STEP"
}

# point_at <x> <y>: the pointer there for long enough that a frame has seen
# it (a text field takes keys only once a frame found the pointer over it).
point_at() {
    move_to "$1" "$2"
    sleep "$E2E_HOLD"
}

# click_until <what> <x> <y> <command...>: clicks there until the command
# succeeds, at most three times with 20 seconds each. Only for clicks that
# do nothing more when repeated once they have done their part.
click_until() {
    local what=$1 x=$2 y=$3 try
    shift 3
    for try in 1 2 3; do
        firm_click "$x" "$y"
        local end=$((SECONDS + 20))
        while [ "$SECONDS" -lt "$end" ]; do
            "$@" && return 0
            [ -n "$E2E_GAME_PID" ] && ! kill -0 "$E2E_GAME_PID" 2>/dev/null &&
                fail "the game ended while waiting for $what"
            sleep 0.5
        done
        echo "no $what yet after click $try at $x $y" >&2
    done
    fail "no $what after three clicks at $x $y"
}

# wait_until <seconds> <what> <command...>: runs the command every half
# second until it succeeds; fails the test with <what> when time runs out.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local end=$((SECONDS + limit))
    while ! "$@"; do
        [ -n "$E2E_GAME_PID" ] && ! kill -0 "$E2E_GAME_PID" 2>/dev/null && fail "the game ended while waiting for $what"
        [ "$SECONDS" -lt "$end" ] || fail "no $what after $limit seconds"
        sleep 0.5
    done
}

# colour_count <png> <WxH+X+Y> <colour> [fuzz]: how many pixels of that
# area have that colour (within the fuzz, 10% by default).
colour_count() {
    convert "$1" -crop "$2" +repage -alpha off -fuzz "${4:-10%}" \
        -fill black +opaque "$3" -fill white -opaque "$3" -colorspace gray \
        -format '%[fx:int(mean*w*h+0.5)]' info: 2>/dev/null || echo 0
}

# fx_count <png> <WxH+X+Y> <test>: how many pixels of that area pass an
# ImageMagick -fx test on r, g and b (0 to 1). For small areas only.
fx_count() {
    convert "$1" -crop "$2" +repage -alpha off -fx "$3 ? 1 : 0" \
        -format '%[fx:int(mean*w*h+0.5)]' info: 2>/dev/null || echo 0
}

# shot_shows <name> <WxH+X+Y> <colour> <at least>: takes a fresh screenshot
# and tells whether the area holds at least that many pixels of the colour.
shot_shows() {
    local shot
    shot=$(screenshot "$1") || return 1
    [ "$(colour_count "$shot" "$2" "$3")" -ge "$4" ]
}

# --- The shipped menus: pixel centres of what a player clicks. ---
MENU_PLAY=(400 244)
MENU_EDITOR=(400 284)
MENU_OPTIONS=(400 364)
MENU_QUIT=(400 444)
LIST_BACK=(400 514)
PLAY_TRY=(100 310)
PLAY_RETURN_TO_MENU=(500 415)
PLAY_NEXT_LEVEL=(500 455)
PARK=(100 450)     # an empty part of the play panel: no dock point is hovered

# The level list: rows of 11 pixels from y 81, marks at x 540.
list_row_y() { echo $((81 + 11 * $1 + 5)); }
list_mark_area() { echo "13x9+534+$((82 + 11 * $1))"; }

# on_title / on_level_list / in_a_level: what the screen shows now, by the
# outline of a button only that screen draws.
on_title() { shot_shows title "4x20+298+234" "rgb(0,0,255)" 10 || shot_shows title "4x20+298+234" white 10; }
# The list's outline is blended onto the picture: full blue over it.
on_level_list() {
    local shot
    shot=$(screenshot levels) || return 1
    [ "$(fx_count "$shot" "4x200+248+100" "b > 0.97 && r < 0.6")" -ge 150 ]
}
in_a_level() { shot_shows level "4x14+8+303" "rgb(0,0,255)" 10; }
# dialog_shown: the game's own question is up: the white left edge of its box
# (x 180) over the dimmed picture.
dialog_shown() { [ "$(fx_count "$(screenshot dialog)" "3x60+179+270" "r > 0.9 && g > 0.9 && b > 0.9")" -ge 50 ]; }
no_dialog() { ! dialog_shown; }

# The completion screen: the world faded to black and "Return To Menu" shown.
completion_shown() {
    local shot
    shot=$(screenshot completion) || return 1
    [ "$(colour_count "$shot" "500x80+280+20" black 2%)" -ge 39500 ] &&
        [ $(( $(colour_count "$shot" "204x34+398+398" "rgb(0,0,255)") +
              $(colour_count "$shot" "204x34+398+398" white) )) -ge 300 ]
}

# settle <name> <area>: for pictures kept for people only: waits (at most
# 20 seconds) until the text in that area has typed itself in, that is two
# screenshots a second apart show the same white pixels there.
settle() {
    local before="" now end=$((SECONDS + 20))
    while [ "$SECONDS" -lt "$end" ]; do
        now=$(colour_count "$(screenshot "$1")" "$2" white 20%)
        [ "$now" = "$before" ] && [ "$now" -gt 0 ] && return 0
        before=$now
        sleep 1
    done
}

# keep_shot <name> <as>: copies the last screenshot of that name into
# $E2E_SHOTS (when set) under a new name, for people to look at.
keep_shot() {
    [ -n "${E2E_SHOTS:-}" ] || return 0
    mkdir -p "$E2E_SHOTS" && cp "$E2E_WORK/$1.png" "$E2E_SHOTS/$2.png" || fail "cannot keep $2"
}

# solution_ropes <solution file>: the ropes of its ropes line, each "a-b"
# or "a-b@value" (dock a to dock b, then the rope length slider at value).
solution_ropes() {
    awk '$1 == "ropes" { for (i = 2; i <= NF; ++i) print $i }' "$1"
}

# slider_pixel <value>: where a press on the rope length slider (x 10 to 190)
# sets that value, 0 to 100.
slider_pixel() { awk -v v="$1" 'BEGIN { printf "%d\n", int(10 + v * 1.8 + 0.5) }'; }
PLAY_SLIDER_Y=265

# --- Playing ---

E2E_CAMERA_X=0
E2E_CAMERA_Y=0

# measure_camera <level file>: sets E2E_CAMERA_X and E2E_CAMERA_Y from a
# screenshot, waiting until the dock points are drawn.
measure_camera() {
    # A press on the empty panel puts the level's introduction away; the
    # band behind it would dim the dock points under it.
    firm_click "${PARK[@]}"
    local end=$((SECONDS + E2E_WAIT)) fit=""
    while :; do
        fit=$(camera_fit "$1" "$(screenshot level)")
        [ -n "$fit" ] && break
        [ "$SECONDS" -lt "$end" ] || fail "the dock points of $1 are not where the view puts them"
        sleep 0.5
    done
    E2E_CAMERA_X=${fit% *}
    E2E_CAMERA_Y=${fit#* }
}

# bring_into_view <level file> <dock>...: moves the view with the arrow keys
# until each of those dock points lies clear of the panel and the window edge.
bring_into_view() {
    local level=$1 tries
    shift
    for tries in $(seq 1 40); do
        local key="" d
        for d in "$@"; do
            local px
            px=$(dock_pixel "$level" "$d" "$(camera_x)" "$(camera_y)" | cut -d' ' -f1)
            if [ "$px" -lt $((E2E_PANEL_RIGHT + 20)) ]; then key=Left; fi
            if [ "$px" -gt $((E2E_WINDOW_W - 20)) ]; then key=Right; fi
        done
        [ -n "$key" ] || return 0
        # A short press: the view moves 0.1 units in every frame it is down.
        xdotool keydown "$key"
        sleep 0.1
        xdotool keyup "$key"
        sleep "$E2E_HOLD"
        sleep "$E2E_STEP"
        measure_camera "$level"
    done
    fail "could not bring the dock points $* of $level into view"
}

camera_x() { echo "$E2E_CAMERA_X"; }
camera_y() { echo "$E2E_CAMERA_Y"; }

# play_level <name> <row> [next|stay]: from the level list, plays a shipped
# level with its stored solution through to "Return To Menu" and the list (or,
# with "next", through "Next level" into the level after it; with "stay", it
# stays on the completion screen). Keeps the shots
# <name>_start, <name>_ropes and <name>_completed.
play_level() {
    local name=$1 row=$2
    local level="$GAME_FOLDER_COPY/levels/$name.txt"
    local solution="$E2E_SOURCE/tests/levels/$name.solution"
    [ -f "$solution" ] || fail "no solution for $name"
    click_until "play screen of $name" 400 "$(list_row_y "$row")" in_a_level
    keep_shot level "${name}_start"
    measure_camera "$level"

    local rope pair docks=()
    for rope in $(solution_ropes "$solution"); do
        pair=${rope%@*}
        docks+=("${pair%-*}" "${pair#*-}")
    done
    [ "${#docks[@]}" -gt 0 ] || fail "the solution of $name hangs no rope"

    for rope in $(solution_ropes "$solution"); do
        pair=${rope%@*}
        # A level wider than the window shows the two ends of each rope in turn.
        bring_into_view "$level" "${pair%-*}" "${pair#*-}"
        local from to
        from=$(dock_pixel "$level" "${pair%-*}" "$(camera_x)" "$(camera_y)")
        to=$(dock_pixel "$level" "${pair#*-}" "$(camera_x)" "$(camera_y)")
        firm_drag $from $to
        # The new rope is the selected one: the slider sets its length.
        [ "$rope" = "$pair" ] || firm_click "$(slider_pixel "${rope#*@}")" "$PLAY_SLIDER_Y"
    done
    move_to "${PARK[@]}"
    # The rope just hung is selected, drawn yellow.
    wait_until 20 "a yellow rope in $name" shot_shows ropes "590x600+205+0" "rgb(255,255,0)" 30
    keep_shot ropes "${name}_ropes"

    firm_click "${PLAY_TRY[@]}"
    wait_until 300 "completion screen of $name" completion_shown
    if [ -n "${E2E_SHOTS:-}" ]; then
        settle completion "500x120+290+100"
        keep_shot completion "${name}_completed"
    fi
    if [ "${3:-}" = stay ]; then
        return 0
    elif [ "${3:-}" = next ]; then
        click_until "the level after $name" "${PLAY_NEXT_LEVEL[@]}" not_completion
    else
        click_until "level list after $name" "${PLAY_RETURN_TO_MENU[@]}" on_level_list
    fi
}

# not_completion: a level in play, its completion screen gone.
not_completion() { in_a_level && ! completion_shown; }

# progress_is <count>: config.txt holds exactly "completedlevels=<count>;" and a line break.
progress_is() {
    printf 'completedlevels=%s;\n' "$1" | cmp -s - "$GAME_FOLDER_COPY/config.txt"
}

E2E_SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
GAME_FOLDER_COPY=""

# press_key <key>: a key held for a moment, as a hand does. The game looks at
# the keys between frames, so a press and release that arrive together
# would go unseen.
press_key() {
    xdotool keydown "$1" || fail "key $1"
    sleep "$E2E_HOLD"
    xdotool keyup "$1"
    sleep "$E2E_STEP"
}

# window_is <WxH>: the game's window (found afresh: F1 makes a new one) has
# that client size. Sets E2E_WINDOW.
window_is() {
    local window
    window=$(xdotool search --name '^Tangloop$' 2>/dev/null | head -1) || return 1
    [ -n "$window" ] || return 1
    xdotool getwindowgeometry "$window" 2>/dev/null | grep -q "Geometry: $1\$" || return 1
    E2E_WINDOW=$window
}

# game_ended: the game's process is gone.
game_ended() { ! kill -0 "$E2E_GAME_PID" 2>/dev/null; }

# window_position: "x,y" of the game's window on the screen.
window_position() {
    xdotool getwindowgeometry "$E2E_WINDOW" | sed -n 's/^ *Position: \([0-9-]*,[0-9-]*\).*/\1/p'
}

# sky_green_marks <red %> <shot>: the centres of the small full-green marks
# (dock points, lit parts) right of the play panel, one "x y" a line. A level
# naming no theme is drawn on the first theme's sky: the marks are full green
# added onto the sky and its clouds, and only their red stays below <red %>.
sky_green_marks() {
    local left=$((E2E_PANEL_RIGHT + 1))
    convert "$2" -crop "$((E2E_WINDOW_W - left))x${E2E_WINDOW_H}+${left}+0" +repage \
        \( -clone 0 -channel G -separate +channel -threshold 98% \) \
        \( -clone 0 -channel R -separate +channel -threshold "$1%" -negate \) \
        -delete 0 -evaluate-sequence min \
        -define connected-components:verbose=true -connected-components 8 null: 2>/dev/null |
        awk -v left="$left" '/gray\(255\)/ {
            split($3, c, ","); if ($4 <= 100) printf "%d %d\n", int(c[1] + left + 0.5), int(c[2] + 0.5)
        }'
}

# hang_rope_between <level file> <dock> <dock>: frames both dock points, drags
# a rope from the first to the second and parks the pointer on the panel, then
# waits until the new rope is drawn (yellow: selected).
hang_rope_between() {
    local level=$1
    measure_camera "$level"
    bring_into_view "$level" "$2" "$3"
    firm_drag $(dock_pixel "$level" "$2" "$(camera_x)" "$(camera_y)") $(dock_pixel "$level" "$3" "$(camera_x)" "$(camera_y)")
    move_to "${PARK[@]}"
    wait_until 20 "a yellow rope between docks $2 and $3" shot_shows ropes "590x600+205+0" "rgb(255,255,0)" 30
}

# --- Reading the game's words back from a screenshot ---

# code_font <file>: a font picture whose masks are black and whose every
# glyph is one flat colour with the character's code as its red, so that the
# words the game writes can be read back from a screenshot.
code_font() {
    local draws=() c x y
    for c in $(seq 32 126); do
        x=$(((c % 16) * 16))
        y=$(((16 + c / 16) * 16))
        draws+=(-fill "rgb($c,85,170)" -draw "rectangle $x,$y $((x + 15)),$((y + 15))")
    done
    convert -size 256x512 xc:black "${draws[@]}" -type TrueColor BMP3:"$1"
}

# coded_text <png> <row> <x> <width> <character size>: the words written in
# the code font on that row between x and x + width, read one character
# centre at a time from the first coded pixel to the last.
coded_text() {
    convert "$1" -crop "$4x1+$3+$2" +repage -depth 8 txt:- | awk -F'[(),: ]+' -v w="$4" -v size="$5" '
        NR > 1 { r[$1] = $3; g[$1] = $4; b[$1] = $5 }
        function coded(x) { return (x in g) && g[x] >= 83 && g[x] <= 87 && b[x] >= 168 && b[x] <= 172 }
        END {
            for (x = 0; x < w && !coded(x); ++x) {}
            first = x
            for (x = w - 1; x >= 0 && !coded(x); --x) {}
            n = int((x - first + 1 + size / 2) / size)
            text = ""
            for (k = 0; k < n; ++k) text = text sprintf("%c", r[first + int(size * k + size / 2)])
            print text
        }'
}

# status_text <row>: the editor's status text centred at x 100 on that row
# of a new screenshot.
status_text() { coded_text "$(screenshot status)" "$1" 0 200 10; }

# status_reads <row> <words>; says what it read when that differs.
status_reads() {
    local read
    read=$(status_text "$1")
    [ "$read" = "$2" ] || { echo "status row $1 reads \"$read\"" >&2; return 1; }
}

# coded_rows <png> <x>: the middle row of each run of rows whose pixel at x
# is coded: one line of code-font text each, top to bottom.
coded_rows() {
    convert "$1" -crop "1x${E2E_WINDOW_H}+$2+0" +repage -depth 8 txt:- | awk -F'[(),: ]+' '
        NR > 1 { coded = $4 >= 83 && $4 <= 87 && $5 >= 168 && $5 <= 172
                 if (coded && start < 0) start = $2
                 if (!coded && start >= 0) { print int((start + $2 - 1) / 2); start = -1 } }
        BEGIN { start = -1 }'
}

# Your Levels: the only screen whose list outline reaches down past y 400.
on_your_levels() {
    local shot
    shot=$(screenshot your_levels) || return 1
    [ "$(fx_count "$shot" "4x60+248+370" "b > 0.97 && r < 0.6")" -ge 100 ]
}
