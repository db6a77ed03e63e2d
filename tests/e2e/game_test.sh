#!/usr/bin/env bash
# The real game played in a private X server as a person plays it: its window driven with
# xdotool and read back from screenshots as the 80x25 character screen.
#  1. Starts that cannot show a window: no display, with or without a video driver named, and a
#     video driver SDL does not have.
#  2. On 1 January 2000: the start-up report; the daily game picked from the menu, its jack of
#     diamonds at (0, 0) revealed, its mine at (2, 1) marked and its mine at (7, 0) hit; the
#     menu's still picture shown again after the window is unmapped and mapped and after a
#     resize; keys other than F4 ignored; F4 quits.
#  3. The ends a desktop brings: SIGTERM, Ctrl+C's SIGINT, and the X server gone.
# With --browser, the game is the page built for browsers, served on 127.0.0.1 and opened in
# Chromium's app window, whose console lines stand for the game's output. Part 2 alone, with a
# browser's differences: the page's clock is pinned in the page, keys are left to the browser (F4
# too), and closing the tab ends the game as F4 does on the desktop.
#   game_test.sh SCREENSHOT_TEXT GAME...    (GAME... is the command that starts the game)
#   game_test.sh --browser SCREENSHOT_TEXT PAGE_DIRECTORY
# The Windows game runs under Wine: GAME... is wine64 and the program, with WINEPREFIX set.
set -euo pipefail
export LC_ALL=C.UTF-8  # screen rows hold suit glyphs: cut them by characters
browser=""
[[ $1 != --browser ]] || { browser=1 && shift; }
reader=$1
shift
game=("$@")
video=x11 wine=""
[[ $1 != */wine64 ]] || video=windib wine=${1%/*}
dir=$(mktemp -d) xvfb="" server="" pid="" window="" scale=2 left=0 top=0
cleanup() { # whatever is still running, even after a failure that ended the game
    [[ -z $pid ]] || kill -- -"$pid" 2>/dev/null || true
    [[ -z $xvfb ]] || kill "$xvfb" || true
    [[ -z $server ]] || kill "$server"
    wait
    rm -rf "$dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    cat "$dir/out" "$dir/err" >&2
    exit 1
}

output() { # what the game wrote to standard output, its lines ended as on Linux, not in \r\n
    tr -d '\r' <"$dir/out"
}

expect() { # ACTUAL EXPECTED WHAT
    [[ $1 == "$2" ]] || fail "$3: got '$1', expected '$2'"
}

poll() { # COMMAND...: tried every 50 ms for 10 s at most
    for _ in {1..200}; do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

click() { # COLUMN ROW [BUTTON]: the middle of that cell, then a pause, so that the next click
    # has a poll of its own; the left button unless BUTTON is 3, the right
    local x=$((left + (8 * $1 + 4) * scale)) y=$((top + (16 * $2 + 8) * scale))
    xdotool mousemove --sync --window "$window" $x $y click "${3:-1}"
    sleep 0.1
}

shows() { # ROW FIRST END TEXT: whether the screen now reads TEXT in those columns of the row
    xwd -silent -id "$window" |
        convert xwd:- -crop "$((640 * scale))x$((400 * scale))+$left+$top" +repage \
            -sample 640x400 -depth 8 rgb:- | "$reader" >"$dir/screen"
    row=$(sed -n "$(($1 + 1))p" "$dir/screen")
    [[ ${row:$2:$3-$2} == "$4" ]]
}

wait_for() { # ROW FIRST END TEXT
    poll shows "$@" || fail "row $1 reads '${row:$2:$3-$2}', not '$4'"
}

start() { # [WRAPPER...]: the game in the X server, its SIGINT not ignored as a background job's is
    setsid env --default-signal=INT TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 SDL_VIDEODRIVER=$video \
        SDL_AUDIODRIVER=dummy "$@" "${game[@]}" >"$dir/out" 2>"$dir/err" &
    pid=$!
    window=$(poll xdotool search --onlyvisible --name '^Brambledeck Field$' 2>/dev/null) ||
        fail "no game window"
    window=${window%%$'\n'*}
}

ended() { # HOW SECONDS EXPECTED: within SECONDS of HOW the game ends; its status, its goodbyes
    # and whether it wrote to standard error are EXPECTED
    timeout "$2" tail -s 0.05 --pid=$pid -f /dev/null || fail "the game outlived $1 by $2 s"
    wait $pid && status=0 || status=$?
    pid=""
    local goodbyes errors
    goodbyes=$(output | grep -cx 'Quiting....' || true)
    errors=$(($(wc -l <"$dir/err") > 0))
    expect "$status $goodbyes $errors" "$3" "status, goodbyes and errors at the end on $1"
}

# Starts that cannot show a window: status -1 and one line with the reason, SDL's or the game's.
[[ $browser ]] || for driver in "" x11 no_such_driver; do
    status=0
    env -u DISPLAY SDL_VIDEODRIVER=$driver "${game[@]}" >"$dir/out" 2>"$dir/err" || status=$?
    expect "$status $(wc -l <"$dir/out")" "255 1" "status and lines, driver '$driver', no display"
    reason=$(output | sed -n 's/^Could not initialize SDL: \(.\+\)\.$/\1/p')
    [[ -n $reason ]] || fail "no reason given with the driver '$driver' and no display"
    [[ -n $driver || $reason == "no display found" || $wine ]] || fail "no driver named: '$reason'"
done
if [[ $wine ]]; then # Wine's desktop fails after a start without a display until Wine's server
    "$wine/wineserver" -w # has ended; faketime's file times would have it renew the prefix
    echo disable >"$WINEPREFIX/.update-timestamp"
fi

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 3840x2160x24 3>"$dir/display" 2>/dev/null &
xvfb=$!
poll grep -q . "$dir/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$dir/display")"
clock=(faketime "2000-01-01 12:00:00") quit=F4
keys=(Escape q Return space F1 F5 alt+x ctrl+c ctrl+q)
if [[ $browser ]]; then # a script before the game's makes Date noon of that day, in UTC as started
    mkdir "$dir/page"
    ln -s "$game"/brambledeck.{js,wasm} "$dir/page"
    echo 'const noon = new Date(2000, 0, 1, 12).getTime();
        Date = class extends Date { constructor(...t) { super(...(t.length ? t : [noon])); }
                                    static now() { return noon; } };' >"$dir/page/clock.js"
    sed 's|<head>|&<script src="clock.js"></script>|' "$game/index.html" >"$dir/page/index.html"
    python3 -um http.server -b 127.0.0.1 -d "$dir/page" 0 >"$dir/server" 2>&1 &
    server=$!
    poll grep -qs http:// "$dir/server" || fail "no web server"
    console='s/^\[[^]]*:CONSOLE[^]]*\] "\(.*\)", source: .*/\1/p'  # a console line's text
    game=(bash -c 'chromium "${@:2}" 2>&1 | sed -un "$1"' - "$console" --no-sandbox --test-type
        --app="$(grep -o 'http://[^/]*/' "$dir/server")" --user-data-dir="$dir/profile"
        --window-position=0,0 --window-size=1280,800 --enable-logging=stderr --disable-gpu
        --no-first-run --disable-quic --disable-background-networking --disable-component-update
        --disable-sync)
    clock=() keys=(Escape q Return space F4) quit=ctrl+w
fi
start "${clock[@]}"
wait_for 0 10 43 "< Rules >            < New Game >"
timings=$(output | grep -cE '^(Init|Graphics) took: [0-9]+\.[0-9]{6}ms$')
expect "$timings" 2 "start-up timings"

click 33 0
wait_for 8 28 53 "Daily game      (6 mines)"
click 30 8
wait_for 2 20 57 " --  --  --  8♦  --  --  --  --  --  "
click 21 2
wait_for 2 20 57 " J♦  --  --  8♦  --  --  --  --  --  "
click 29 4 3
wait_for 4 20 57 " --  --  xx  --  --  3♥  --  --  --  "
click 49 2
wait_for 23 0 35 " GAME OVER - YOU HIT A MINE - BOOM!"
wait_for 24 0 15 " Mines: 2 / 6  "

# Over the open menu nothing flashes, so the picture stays the same: only a window that lost it,
# unmapped and mapped again or resized, is sent it again.
click 33 0
wait_for 8 28 53 "Daily game      (6 mines)"
xdotool windowunmap --sync "$window" windowmap --sync "$window"
wait_for 8 28 53 "Daily game      (6 mines)"

# 1500 x 1000 keeps scale 2, the picture centred with 110 and 100 pixels of margin.
xdotool windowsize "$window" 1500 1000
left=110 top=100
wait_for 2 48 51 " ☻ "

# No window manager hands out the keyboard: the window is given it. Keys other than F4 do
# nothing: the click on < CANCEL > after them still closes the menu. A browser keeps every key.
xdotool windowfocus --sync "$window" key "${keys[@]}"
click 40 18
wait_for 8 20 57 " --  --  --  --  --  --  --  --  --  "
xdotool key $quit
ended $quit 10 "0 1 0"
[[ -z $browser ]] || { echo "browser game test passed"; exit; }

ends=(TERM INT) # Wine simply ends at a signal: Windows' close request instead, as taskkill sends
[[ -z $wine ]] || ends=(WM_CLOSE)
for end in "${ends[@]}"; do # as F4 does: the iteration finished, the goodbye, status 0
    start
    if [[ $wine ]]; then
        "${game[0]}" taskkill /im "${game[1]##*/}" >/dev/null
    else
        kill -$end $pid
    fi
    ended $end 10 "0 1 0"
done
start # Xlib's report of the broken connection, and the window's failure status
kill $xvfb && xvfb=""
ended "its X server" 2 "1 0 1"
echo "game test passed"
