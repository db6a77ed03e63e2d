#!/usr/bin/env bash
# The real game under Valgrind's memcheck in a private X server: 20 seconds of clicking through
# every screen (the new-game menu and each kind of game, cards revealed and marked, the rules, a
# resize), then F4 with the rules open. Fails when memcheck reports an invalid read or write, a use of an
# uninitialised value or a definitely lost block that tools/valgrind.supp does not put down to
# the graphics libraries. The whole report stays in build/valgrind.log. It takes about a minute.
#   bash tools/valgrind.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target brambledeck
log=$PWD/build/valgrind.log dir=$(mktemp -d) xvfb="" pid=""
trap '[[ -z $pid ]] || kill $pid; [[ -z $xvfb ]] || kill $xvfb; wait; rm -rf "$dir"' EXIT

Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1080x24 3>"$dir/display" 2>/dev/null &
xvfb=$!
for _ in {1..100}; do [[ -s $dir/display ]] && break || sleep 0.1; done
export DISPLAY=":$(cat "$dir/display")"
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite --errors-for-leak-kinds=definite --track-origins=yes --keep-debuginfo=yes \
    --suppressions=tools/valgrind.supp --gen-suppressions=all --error-exitcode=99 \
    --log-file="$log" build/brambledeck >"$dir/out" 2>&1 &
pid=$!
window=""
for _ in {1..600}; do # Valgrind takes its time to start the game
    window=$(xdotool search --onlyvisible --name '^Brambledeck Field$' 2>/dev/null | head -n 1) && [[ $window ]] && break
    sleep 0.1
done
[[ $window ]] || { echo "FAIL: no window under Valgrind" >&2; exit 1; }

click() { # COLUMN ROW [BUTTON]: the middle of that cell at scale 2, then time for a frame under Valgrind
    xdotool mousemove --window "$window" $((16 * $1 + 8)) $((32 * $2 + 16)) click "${3:-1}"
    sleep 0.4
}
end=$((SECONDS + 20))
while ((SECONDS < end)); do
    for entry in 8 10 12 13 14; do # each kind of game from the menu, then cards revealed and marked
        click 33 0 && click 30 $entry
        for row in 2 4 6 8 10; do click $((21 + 4 * (row + entry) % 36)) $row $((row % 4 == 0 ? 3 : 1)); done
    done
    click 33 0 && click 37 18  # < CANCEL >
    click 12 0 && click 39 22  # < Rules >, then < OK >
    xdotool windowsize "$window" 1500 1000 && sleep 0.4 && xdotool windowsize "$window" 1280 800 && sleep 0.4
done
click 12 0  # a player may well quit with the rules still open
xdotool windowfocus --sync "$window" key F4
status=0
wait $pid || status=$?
pid=""
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:' "$log"
tail -n 1 "$dir/out"
((status == 0)) || { echo "FAIL: memcheck found errors (status $status); see $log" >&2; exit 1; }
echo "valgrind run passed"
