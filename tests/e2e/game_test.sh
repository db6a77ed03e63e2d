#!/usr/bin/env bash
# The real game played in a private X server as a person would: its window driven with xdotool
# and read back from screenshots as the 80x25 character screen. A start without a display; the
# start-up report and the window; the daily game of 1 January 2000 chosen from the menu and lost
# on its first mine, (7, 0) at column 49, row 2; the menu opened again, its still picture shown
# again after the window is unmapped and mapped and after a resize; F4. Then the ends a desktop
# brings: a start with a video driver SDL does not know, SIGTERM, Ctrl+C's SIGINT, and the X
# server gone.
#   game_test.sh GAME SCREENSHOT_TEXT
set -euo pipefail
export LC_ALL=C.UTF-8  # screen rows hold suit glyphs: cut them by characters
game=$1 reader=$2 dir=$(mktemp -d) xvfb="" pid="" window="" scale=2 left=0 top=0
trap '[[ -z $pid ]] || kill -- -$pid; [[ -z $xvfb ]] || kill $xvfb; wait; rm -rf "$dir"' EXIT

fail() { echo "FAIL: $*" >&2; cat "$dir/out" "$dir/err" >&2; exit 1; }
expect() { [[ $1 == "$2" ]] || fail "$3: got '$1', expected '$2'"; }
poll() { for _ in {1..200}; do "$@" && return 0 || sleep 0.05; done && return 1; } # COMMAND...: for 10 s at most
click() { # COLUMN ROW: the middle of that cell, then a pause, so that the next click has a poll of its own
    xdotool mousemove --sync --window "$window" $((left + (8 * $1 + 4) * scale)) $((top + (16 * $2 + 8) * scale)) click 1
    sleep 0.1
}
shows() { # ROW FIRST END TEXT: whether the screen now reads TEXT in those columns of the row
    xwd -silent -id "$window" | convert xwd:- -crop "$((640 * scale))x$((400 * scale))+$left+$top" \
        +repage -sample 640x400 -depth 8 rgb:- | "$reader" >"$dir/screen" && row=$(sed -n "$(($1 + 1))p" "$dir/screen") &&
        [[ ${row:$2:$3-$2} == "$4" ]]
}
wait_for() { poll shows "$@" || fail "row $1 reads '${row:$2:$3-$2}', not '$4'"; }
start() { # [WRAPPER...]: the game in the X server, its SIGINT not ignored as a background job's is
    setsid env --default-signal=INT TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1 SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
        "$@" "$game" >"$dir/out" 2>"$dir/err" & pid=$!
    window=$(poll xdotool search --onlyvisible --name '^Brambledeck Field$' 2>/dev/null | head -n 1) || fail "no game window"
}
ended() { # HOW SECONDS EXPECTED: the game ends within SECONDS of HOW; status, goodbyes, whether stderr has any
    timeout "$2" tail -s 0.05 --pid=$pid -f /dev/null || fail "the game outlived $1 by $2 s"
    wait $pid && status=0 || status=$?
    pid=""
    expect "$status $(grep -cx 'Quiting....' "$dir/out") $(($(wc -l <"$dir/err") > 0))" "$3" "end on $1"
}

for driver in "" x11 no_such_driver; do  # no display, named or not, and a video driver SDL lacks
    status=0
    env -u DISPLAY SDL_VIDEODRIVER=$driver "$game" >"$dir/out" 2>"$dir/err" || status=$?
    expect "$status $(wc -l <"$dir/out") $(grep -cxE 'Could not initialize SDL: .+\.' "$dir/out")" "255 1 1" \
        "status, lines and SDL's reason with the $driver driver and no display"
done

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 3840x2160x24 3>"$dir/display" 2>/dev/null &
xvfb=$!
poll grep -q . "$dir/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$dir/display")"
start faketime "2000-01-01 12:00:00"
wait_for 0 10 43 "< Rules >            < New Game >"
expect "$(grep -cE '^(Init|Graphics) took: [0-9]+\.[0-9]{6}ms$' "$dir/out")" 2 "start-up timings"

click 33 0
wait_for 8 28 53 "Daily game      (6 mines)"
click 30 8
wait_for 2 20 57 " --  --  --  8♦  --  --  --  --  --  "
click 49 2
wait_for 23 0 35 " GAME OVER - YOU HIT A MINE - BOOM!"

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

xdotool windowfocus --sync "$window" key F4  # no window manager hands out the keyboard
ended F4 10 "0 1 0"
for signal in TERM INT; do  # as F4 does: the iteration finished, the goodbye, status 0
    start
    kill -$signal $pid
    ended SIG$signal 10 "0 1 0"
done
start  # Xlib's report of the broken connection, and the window's failure status
kill $xvfb && xvfb=""
ended "its X server" 2 "1 0 1"
echo "game test passed"
