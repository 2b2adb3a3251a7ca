# The game's 800 by 600 picture in a window of any size: it is scaled to the
# largest size that fits, centred, with black bars. Source after player.sh:
# from then on every helper there clicks and looks in picture pixels, which
# are mapped to the window here, and screenshots are cut to the picture and
# scaled back to 800 by 600.

# The picture's place in the window (window pixels).
PIC_X=0 PIC_Y=0 PIC_W=800 PIC_H=600

# fit_picture <window width> <window height>: sets PIC_* as the game does.
fit_picture() {
    read -r PIC_X PIC_Y PIC_W PIC_H < <(awk -v w="$1" -v h="$2" 'BEGIN {
        s = w / 800; if (h / 600 < s) s = h / 600
        pw = int(800 * s + 0.5); ph = int(600 * s + 0.5)
        if (pw > w) pw = w; if (ph > h) ph = h
        printf "%d %d %d %d\n", int((w - pw) / 2), int((h - ph) / 2), pw, ph
    }')
}

# window_point <x> <y>: the window pixel where picture pixel (x, y) is drawn.
window_point() {
    awk -v x="$1" -v y="$2" -v px="$PIC_X" -v py="$PIC_Y" -v pw="$PIC_W" -v ph="$PIC_H" 'BEGIN {
        printf "%d %d\n", px + int((x + 0.5) * pw / 800), py + int((y + 0.5) * ph / 600)
    }'
}

move_to() {
    xdotool mousemove --window "$E2E_WINDOW" $(window_point "$1" "$2") || fail "mousemove $1 $2"
    sleep "$E2E_STEP"
}

# raw_screenshot <name>: the whole window as it is; prints its path.
raw_screenshot() {
    local file="$E2E_WORK/$1-raw.png"
    import -window "$E2E_WINDOW" "$file" || fail "screenshot $1"
    echo "$file"
}

screenshot() {
    local raw file="$E2E_WORK/$1.png"
    raw=$(raw_screenshot "$1") || return 1
    convert "$raw" -crop "${PIC_W}x${PIC_H}+${PIC_X}+${PIC_Y}" +repage -resize '800x600!' "$file" || fail "cut $1"
    echo "$file"
}

# area_stat <png> <WxH+X+Y> <fx statistic>: maxima, mean, ... over the area.
area_stat() {
    convert "$1" -crop "$2" +repage -alpha off -format "%[fx:$3]" info: 2>/dev/null || echo 1
}

# bars_are_black <raw screenshot>: every pixel outside the picture is black
# and the picture itself is not.
# bars_black_now <name>: bars_are_black on a new raw shot of that name, for
# waits (a slow build may not have drawn the new size at the first try).
bars_black_now() { bars_are_black "$(raw_screenshot "$1")"; }

bars_are_black() {
    local shot=$1 w h
    read -r w h < <(identify -format '%w %h' "$shot")
    local areas=()
    [ "$PIC_X" -gt 0 ] && areas+=("${PIC_X}x${h}+0+0" "$((w - PIC_X - PIC_W))x${h}+$((PIC_X + PIC_W))+0")
    [ "$PIC_Y" -gt 0 ] && areas+=("${w}x${PIC_Y}+0+0" "${w}x$((h - PIC_Y - PIC_H))+0+$((PIC_Y + PIC_H))")
    [ "${#areas[@]}" -gt 0 ] || return 1
    local area
    for area in "${areas[@]}"; do
        case $area in 0x*|*x0+*) continue ;; esac
        awk -v m="$(area_stat "$shot" "$area" maxima)" 'BEGIN { exit !(m < 0.01) }' || return 1
    done
    # The picture reaches its edges: its outer rows and columns are not all black.
    local edge
    for edge in "${PIC_W}x2+${PIC_X}+${PIC_Y}" "${PIC_W}x2+${PIC_X}+$((PIC_Y + PIC_H - 2))" \
        "2x${PIC_H}+${PIC_X}+${PIC_Y}" "2x${PIC_H}+$((PIC_X + PIC_W - 2))+${PIC_Y}"; do
        awk -v m="$(area_stat "$shot" "$edge" maxima)" 'BEGIN { exit !(m > 0.05) }' || return 1
    done
}

# picture_area <WxH+X+Y>: the window area where that picture area is drawn.
picture_area() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$1"
    awk -v w="$w" -v h="$h" -v x="$x" -v y="$y" -v px="$PIC_X" -v py="$PIC_Y" -v pw="$PIC_W" -v ph="$PIC_H" 'BEGIN {
        sx = pw / 800; sy = ph / 600
        printf "%dx%d+%d+%d\n", int(w * sx + 0.999), int(h * sy + 0.999), px + int(x * sx), py + int(y * sy)
    }'
}

# The level list's outline is one window pixel wide at any scale, which a
# scaled-down screenshot smooths away: look for it in the window itself.
on_level_list() {
    local shot
    shot=$(raw_screenshot levels) || return 1
    [ "$(fx_count "$shot" "$(picture_area 4x200+248+100)" "b > 0.97 && r < 0.6")" -ge 150 ]
}
