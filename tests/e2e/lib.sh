# Shared by the end-to-end tests, which play the real game the way a person would: a private X
# server, the game started in it (under a wrapper such as faketime if a test wants one), its
# window found and driven with xdotool, screenshots read back pixel by pixel, and everything this
# script started killed again when it exits, however it exits.
#
# A test script sources this file and passes its arguments on (CTest gives the game's path and
# the screenshot reader's; without them, those of build/ are used):
#
#   source "$(dirname "$0")/lib.sh" "$@"
#   e2e_start_xvfb
#   E2E_GAME_WRAPPER=(faketime "2000-01-01 12:00:00")   # optional
#   e2e_start_game
#   e2e_wait_window
#   e2e_click 300 200; e2e_key F4; e2e_wait_exit; ...
#
# Waits poll with a timeout instead of sleeping for a fixed time. A failed check prints what the
# game wrote and ends the test with status 1.

set -euo pipefail
export LC_ALL=C.UTF-8   # screen rows hold suit glyphs: cut them by characters, not bytes

E2E_GAME_BINARY=${1:-build/brambledeck}
E2E_SCREENSHOT_TEXT=${2:-build/tests/e2e_screenshot_text}
E2E_TIMEOUT=${E2E_TIMEOUT:-10}        # seconds that any one wait may take
E2E_POLL_INTERVAL=0.05                # seconds between two looks
E2E_TITLE="Brambledeck Field"
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/brambledeck-e2e.XXXXXX")
E2E_OUT="$E2E_DIR/stdout"             # the game's standard output
E2E_ERR="$E2E_DIR/stderr"             # the game's standard error
E2E_GAME_ENV=()                       # extra NAME=VALUE settings for the game
E2E_GAME_WRAPPER=()                   # a command the game is run under, such as faketime
E2E_XVFB_PID=""
E2E_GAME_PID=""
E2E_GAME_STATUS=""
E2E_WINDOW=""

e2e_cleanup()
{
    # The game runs in a process group of its own, wrapper and all; Xvfb is one process.
    if [[ -n $E2E_GAME_PID ]]; then
        kill -- "-$E2E_GAME_PID" 2>/dev/null || true
        wait "$E2E_GAME_PID" 2>/dev/null || true
    fi
    if [[ -n $E2E_XVFB_PID ]]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_fail()
{
    echo "FAIL: $*" >&2
    if [[ -s $E2E_OUT ]]; then
        echo "--- game's standard output:" >&2
        cat "$E2E_OUT" >&2
    fi
    if [[ -s $E2E_ERR ]]; then
        echo "--- game's standard error:" >&2
        cat "$E2E_ERR" >&2
    fi
    exit 1
}

# e2e_poll SECONDS COMMAND...: runs COMMAND in this shell until it succeeds; fails after SECONDS.
e2e_poll()
{
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep "$E2E_POLL_INTERVAL"
    done
}

# e2e_expect_eq ACTUAL EXPECTED WHAT
e2e_expect_eq()
{
    [[ $1 == "$2" ]] || e2e_fail "$3: got '$1', expected '$2'"
}

# Starts Xvfb on the first free display (it picks one itself and names it once it accepts
# connections) and exports DISPLAY for everything that follows. The screen is large enough for
# the windows the tests ask for.
e2e_start_xvfb()
{
    local screen=${1:-3840x2160x24}
    local display_file="$E2E_DIR/display"
    : >"$display_file"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$screen" \
        3>"$display_file" >"$E2E_DIR/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_poll "$E2E_TIMEOUT" grep -q . "$display_file" ||
        e2e_fail "Xvfb did not start: $(cat "$E2E_DIR/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$display_file")"
}

# Starts the game in the background on the X server, its output in E2E_OUT and E2E_ERR. It gets
# a process group of its own (E2E_GAME_PID leads it), so that a wrapper which forks, as faketime
# does, is cleaned up together with the game.
e2e_start_game()
{
    setsid env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "${E2E_GAME_ENV[@]}" \
        "${E2E_GAME_WRAPPER[@]}" "$E2E_GAME_BINARY" >"$E2E_OUT" 2>"$E2E_ERR" &
    E2E_GAME_PID=$!
}

e2e_game_running()
{
    [[ -n $E2E_GAME_PID ]] && kill -0 "$E2E_GAME_PID" 2>/dev/null
}

e2e_find_window()
{
    e2e_game_running || e2e_fail "the game ended before its window appeared"
    E2E_WINDOW=$(xdotool search --onlyvisible --name "^$E2E_TITLE\$" 2>/dev/null | head -n 1 || true)
    [[ -n $E2E_WINDOW ]]
}

# Waits until the game's window is on the screen; its id is then in E2E_WINDOW.
e2e_wait_window()
{
    e2e_poll "$E2E_TIMEOUT" e2e_find_window || e2e_fail "no window titled '$E2E_TITLE'"
}

e2e_window_title()
{
    xdotool getwindowname "$E2E_WINDOW"
}

# Prints the window's size as WIDTHxHEIGHT.
e2e_window_size()
{
    xdotool getwindowgeometry "$E2E_WINDOW" | sed -n 's/^ *Geometry: *//p'
}

e2e_resize()
{
    xdotool windowsize "$E2E_WINDOW" "$1" "$2"
}

# There is no window manager to give the window the keyboard, so it is handed over directly.
e2e_focus()
{
    xdotool windowfocus --sync "$E2E_WINDOW"
}

# e2e_key KEY...: types keys (xdotool names such as F4, alt+F4, Return) into the window.
e2e_key()
{
    e2e_focus
    xdotool key --delay 30 "$@"
}

# e2e_move X Y: puts the pointer at window pixel (X, Y).
e2e_move()
{
    xdotool mousemove --sync --window "$E2E_WINDOW" "$1" "$2"
}

# e2e_click X Y [BUTTON]: clicks at window pixel (X, Y), the left button unless 3 (right) is given.
e2e_click()
{
    e2e_move "$1" "$2"
    xdotool click "${3:-1}"
}

# e2e_screenshot FILE: saves what the window shows; the format follows the name (.ppm, .png).
e2e_screenshot()
{
    xwd -silent -id "$E2E_WINDOW" -out "$E2E_DIR/window.xwd"
    convert "xwd:$E2E_DIR/window.xwd" "$1"
}

# e2e_pixel FILE X Y: prints the colour of pixel (X, Y) of a binary PPM (as e2e_screenshot
# writes for a .ppm name) as RRGGBB in upper-case hex. Read straight from the file, as one
# screenshot is often asked for several pixels. The header may carry a comment line (the
# window's name).
e2e_pixel()
{
    local LC_ALL=C
    local header=0 line fields=()
    while ((${#fields[@]} < 4)) && IFS= read -r line; do
        header=$((header + ${#line} + 1))
        [[ $line == \#* ]] || fields+=($line)
    done <"$1"
    if [[ ${fields[0]-} != P6 || ${fields[3]-} != 255 ]]; then
        echo "$1 is not an 8-bit binary PPM" >&2
        return 1
    fi
    od -An -tx1 -j $((header + ($3 * fields[1] + $2) * 3)) -N3 "$1" | tr -d ' \n' | tr 'a-f' 'A-F'
}

# e2e_window_shows RRGGBB X Y [X Y]...: whether the window shows that colour at all those pixels.
e2e_window_shows()
{
    local colour=$1 shot="$E2E_DIR/shown.ppm"
    shift
    e2e_screenshot "$shot" || return 1
    while (($#)); do
        [[ $(e2e_pixel "$shot" "$1" "$2") == "$colour" ]] || return 1
        shift 2
    done
}

# e2e_wait_colour RRGGBB X Y [X Y]...: waits until the window shows that colour at those pixels.
e2e_wait_colour()
{
    e2e_poll "$E2E_TIMEOUT" e2e_window_shows "$@" || e2e_fail "the window does not show $1 at ${*:2}"
}

# e2e_wait_size WIDTHxHEIGHT: waits until the window has that size.
e2e_window_size_is()
{
    [[ $(e2e_window_size) == "$1" ]]
}

e2e_wait_size()
{
    e2e_poll "$E2E_TIMEOUT" e2e_window_size_is "$1" || e2e_fail "window is $(e2e_window_size), not $1"
}

# e2e_wait_output REGEX: waits until a line of the game's standard output matches.
e2e_wait_output()
{
    e2e_poll "$E2E_TIMEOUT" grep -qE -- "$1" "$E2E_OUT" || e2e_fail "no output line matching '$1'"
}

e2e_game_ended()
{
    ! e2e_game_running
}

# Waits until the game has ended and puts its exit status into E2E_GAME_STATUS.
e2e_wait_exit()
{
    e2e_poll "$E2E_TIMEOUT" e2e_game_ended || e2e_fail "the game did not end"
    E2E_GAME_STATUS=0
    wait "$E2E_GAME_PID" || E2E_GAME_STATUS=$?
    E2E_GAME_PID=""
}

# Prints the id of the game's own process: the newest in its group, below any wrapper.
e2e_game_pid()
{
    pgrep -n -g "$E2E_GAME_PID"
}

# Prints the processor time the game has used so far, in clock ticks (user plus system).
e2e_game_cpu_ticks()
{
    # The command name in field 2 may hold spaces; the fields after its closing parenthesis don't.
    local stat
    stat=$(cat "/proc/$(e2e_game_pid)/stat")
    stat=${stat##*) }
    read -r -a fields <<<"$stat"
    echo $((fields[11] + fields[12]))
}

# The picture's place in the start window: scale 2, no margin.
E2E_SCALE=2
E2E_OFFSET_X=0
E2E_OFFSET_Y=0

# e2e_screen_text FILE.ppm: prints the character screen of a screenshot, 25 rows of text, then
# 25 rows of colours (two hex digits a cell: foreground and background palette index).
e2e_screen_text()
{
    "$E2E_SCREENSHOT_TEXT" "$1" "$E2E_SCALE" "$E2E_OFFSET_X" "$E2E_OFFSET_Y"
}

# e2e_screen FILE: takes a screenshot into FILE.ppm and its screen text into FILE.
e2e_screen()
{
    e2e_screenshot "$1.ppm" && e2e_screen_text "$1.ppm" >"$1"
}

# e2e_row FILE ROW [FIRST END]: columns FIRST..END-1 of a text row of a screen file.
e2e_row()
{
    local line
    line=$(sed -n "$(($2 + 1))p" "$1")
    local first=${3:-0} end=${4:-80}
    echo "${line:first:end-first}"
}

e2e_screen_has_row()
{
    local shot="$E2E_DIR/screen"
    e2e_screen "$shot" || return 1
    [[ $(e2e_row "$shot" "$1" "$2" "$3") == "$4" ]]
}

# e2e_wait_row ROW FIRST END TEXT: waits until columns FIRST..END-1 of that row read TEXT.
e2e_wait_row()
{
    e2e_poll "$E2E_TIMEOUT" e2e_screen_has_row "$@" ||
        e2e_fail "row $1, columns $2..$(($3 - 1)) read '$(e2e_row "$E2E_DIR/screen" "$1" "$2" "$3")', not '$4'"
}

# e2e_click_cell COLUMN ROW [BUTTON]: clicks the middle of a character cell, then gives the game
# a few frames, so that the next click is seen in a poll of its own.
e2e_click_cell()
{
    e2e_click $((E2E_OFFSET_X + (2 * $1 + 1) * 4 * E2E_SCALE)) $((E2E_OFFSET_Y + (2 * $2 + 1) * 8 * E2E_SCALE)) "${3:-1}"
    sleep 0.07
}
