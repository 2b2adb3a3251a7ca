# Helpers for end-to-end tests: the real game in a temporary copy of its
# folder on a private Xvfb display, driven through real X input with xdotool.
# Source it from a *_test.sh script; every helper fails the test loudly.

E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tangloop-e2e-XXXXXX")
E2E_XVFB_PID=""
E2E_GAME_PID=""
E2E_WINDOW=""

# Pause between input events, so that the screens have moved on before the
# next one. (A press and its release that reach the game together still make
# a click: the first update after them sees the press, the next the release.)
E2E_STEP=${E2E_STEP:-0.15}

e2e_cleanup() {
    [ -n "$E2E_GAME_PID" ] && kill "$E2E_GAME_PID" 2>/dev/null
    [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    if [ -n "${E2E_KEEP:-}" ]; then
        echo "kept $E2E_WORK" >&2
    else
        rm -rf "$E2E_WORK"
    fi
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$E2E_WORK/game.log" ] && sed 's/^/game: /' "$E2E_WORK/game.log" >&2
    exit 1
}

# copy_game_folder <game folder>: prints the path of a fresh copy.
copy_game_folder() {
    [ -d "$1" ] || fail "no game folder at $1"
    cp -r "$1" "$E2E_WORK/game" || fail "cannot copy $1"
    echo "$E2E_WORK/game"
}

# start_display: a private Xvfb on a free display number, its screen
# $E2E_SCREEN (1280x1024x24 unless set).
start_display() {
    local fifo="$E2E_WORK/display"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    local number
    read -r -t 10 number <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$number"
    export LIBGL_ALWAYS_SOFTWARE=1
}

# start_game <binary> <folder> [options...]: runs the game in the folder with
# those command-line options and waits for its window.
start_game() {
    [ -n "$E2E_XVFB_PID" ] || start_display
    local binary
    binary=$(realpath "$1") || fail "no game binary at $1"
    (cd "$2" && exec "$binary" "${@:3}") >"$E2E_WORK/game.log" 2>&1 &
    E2E_GAME_PID=$!
    # A loaded machine can take many seconds to open the window.
    local tries
    for tries in $(seq 1 "${E2E_START_TRIES:-300}"); do
        E2E_WINDOW=$(xdotool search --name '^Tangloop$' 2>/dev/null | head -1 || true)
        [ -n "$E2E_WINDOW" ] && break
        kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended at start"
        sleep 0.1
    done
    [ -n "$E2E_WINDOW" ] || fail "no Tangloop window"
    sleep 1  # the first frames: menu pictures and texts
}

# stop_game: ends the game politely, then for sure.
stop_game() {
    [ -n "$E2E_GAME_PID" ] || return 0
    kill "$E2E_GAME_PID" 2>/dev/null
    wait "$E2E_GAME_PID" 2>/dev/null
    E2E_GAME_PID=""
}

# move_to <x> <y>: the pointer to a pixel of the window's client area.
move_to() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" || fail "mousemove $1 $2"
    sleep "$E2E_STEP"
}

# click <x> <y>: press and release the left button there.
click() {
    move_to "$1" "$2"
    xdotool mousedown 1
    sleep "$E2E_STEP"
    xdotool mouseup 1
    sleep "$E2E_STEP"
}

# drag <x1> <y1> <x2> <y2>: press at the first pixel, move, release at the second.
drag() {
    move_to "$1" "$2"
    xdotool mousedown 1
    sleep "$E2E_STEP"
    move_to $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    move_to "$3" "$4"
    xdotool mouseup 1
    sleep "$E2E_STEP"
}

# type_text <text>: one key press per character into the focused window.
type_text() {
    xdotool type --delay 80 "$1"
    sleep "$E2E_STEP"
}

# screenshot <name>: the window's client area as a PNG; prints its path.
screenshot() {
    local file="$E2E_WORK/$1.png"
    import -window "$E2E_WINDOW" "$file" || fail "screenshot $1"
    echo "$file"
}

# --- Robustness helpers: dialogs, orderly quit, memory ---

E2E_ANSWERER_PID=""

# answer_message_boxes: from now on, every dialog the game opens ("Error",
# "ERROR", ...) is answered with Return, so a picture that fails to load never
# holds the run. Each answered caption is appended to $E2E_WORK/answered.
answer_message_boxes() {
    stop_answering_message_boxes
    : >"$E2E_WORK/answered"
    [ -n "$E2E_XVFB_PID" ] || start_display
    # The loop ends with the display, so the exit trap's wait never hangs on it.
    local display_pid=$E2E_XVFB_PID
    (
        while kill -0 "$display_pid" 2>/dev/null; do
            # Every call is bounded: a dialog that closes while it is being
            # focused must not leave the watcher waiting for ever.
            for w in $(timeout 5 xdotool search --name '^(Error|ERROR|SHUTDOWN ERROR|Brelk GL)$' 2>/dev/null); do
                name=$(timeout 5 xdotool getwindowname "$w" 2>/dev/null) || continue
                timeout 5 xdotool windowfocus --sync "$w" key Return 2>/dev/null &&
                    echo "$name" >>"$E2E_WORK/answered"
                sleep 0.2
            done
            sleep 0.2
        done
    ) >/dev/null 2>&1 &
    E2E_ANSWERER_PID=$!
}

stop_answering_message_boxes() {
    [ -n "$E2E_ANSWERER_PID" ] || return 0
    kill "$E2E_ANSWERER_PID" 2>/dev/null
    wait "$E2E_ANSWERER_PID" 2>/dev/null
    E2E_ANSWERER_PID=""
}

# quit_by_signal: SIGTERM, as a desktop session ends a program. Sets
# E2E_EXIT_CODE to the exit code, or to "hung" when the game is still there
# 20 seconds later (it is then killed). Call it from the shell that started
# the game, not inside $( ), or the exit code cannot be had.
quit_by_signal() {
    local pid=$E2E_GAME_PID status=""
    kill -TERM "$pid" 2>/dev/null
    # A sanitizer build checks for leaks on the way out, which takes seconds.
    for _ in $(seq 1 "${E2E_QUIT_TRIES:-200}"); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null && status=0 || status=$?
            break
        fi
        sleep 0.1
    done
    if [ -z "$status" ]; then
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        status=hung
    fi
    E2E_GAME_PID=""
    E2E_EXIT_CODE=$status
}

# resident_kb <pid>: the process's resident memory (VmRSS) in kB.
resident_kb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null
}
