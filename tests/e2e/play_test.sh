#!/usr/bin/env bash
# The real game played with the mouse on 1 January 2000: the new-game menu, the daily board with
# its three starting cards, a loss on a mine, then a fresh daily board won by revealing every
# card and marking every mine. The board of that day:
#
#        x: 0   1   2   3   4   5   6   7   8        screen column 21 + 4x, row 2 + 2y
#   y 0:   Jd  2c  6d  8d  6h  10c 7d  **  5c
#   y 1:   5d  9h  **  Kc  Qd  3h  4h  Jc  7c
#   y 2:   6c  **  3d  3c  2h  10d 8h  4d  5h
#   y 3:   **  Kh  9d  Kd  **  8c  10h Qc  2d
#   y 4:   Ad  Ac  **  Jh  Qh  Ah  4c  9c  7h
#
# With E2E_KEEP_SCREENSHOT=FILE.png the won game's window is saved there.
source "$(dirname "$0")/lib.sh" "$@"

MINES=("7 0" "2 1" "1 2" "0 3" "4 3" "2 4")

board_click()
{
    e2e_click_cell $((21 + 4 * $1)) $((2 + 2 * $2)) "${3:-1}"
}

start_daily_game()
{
    e2e_click_cell 33 0
    e2e_wait_row 8 28 53 "Daily game      (6 mines)"
    e2e_click_cell 30 8
    e2e_wait_row 2 20 57 " --  --  --  8♦  --  --  --  --  --  "
}

is_listed()
{
    local wanted=$1
    shift
    local item
    for item in "$@"; do
        [[ $item == "$wanted" ]] && return 0
    done
    return 1
}

e2e_start_xvfb
E2E_GAME_ENV=(TZ=UTC FAKETIME_DONT_FAKE_MONOTONIC=1)
E2E_GAME_WRAPPER=(faketime "2000-01-01 12:00:00")
e2e_start_game
e2e_wait_window
e2e_wait_row 0 31 43 "< New Game >"

start_daily_game
screen="$E2E_DIR/daily"
e2e_screen "$screen"
e2e_expect_eq "$(e2e_row "$screen" 3 20 57)" "             2                       " "number under the 8 of diamonds"
e2e_expect_eq "$(e2e_row "$screen" 4 20 57)" " --  --  --  --  --  3♥  --  --  --  " "second board row"
e2e_expect_eq "$(e2e_row "$screen" 5 41 42)" "4" "number under the 3 of hearts"
e2e_expect_eq "$(e2e_row "$screen" 10 45 47)" "4♣" "4 of clubs"
e2e_expect_eq "$(e2e_row "$screen" 11 45 46)" "3" "number under the 4 of clubs"
e2e_expect_eq "$(e2e_row "$screen" 24 0 42)" " Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13" "status line"

board_click 7 0
e2e_wait_row 23 0 35 " GAME OVER - YOU HIT A MINE - BOOM!"
e2e_expect_eq "$(e2e_row "$E2E_DIR/screen" 2 49 50)" "☻" "the mine revealed"

start_daily_game
e2e_expect_eq "$(e2e_row "$E2E_DIR/screen" 23)" "$(printf '%80s' '')" "outcome line of a fresh game"
# Each pass clicks every cell still showing "--": a mine with the right button, a card with the
# left. Clicks that a busy machine merged into one poll are made up by the next pass.
for pass in 1 2 3; do
    ((pass == 1)) || sleep 0.5  # let the last clicks show before looking again
    e2e_screen "$E2E_DIR/board"
    for y in 0 1 2 3 4; do
        for x in 0 1 2 3 4 5 6 7 8; do
            [[ $(e2e_row "$E2E_DIR/board" $((2 + 2 * y)) $((21 + 4 * x)) $((23 + 4 * x))) == "--" ]] || continue
            if is_listed "$x $y" "${MINES[@]}"; then
                board_click "$x" "$y" 3
            else
                board_click "$x" "$y"
            fi
        done
    done
    e2e_screen_has_row 23 0 19 " YOU WON! CONGRATS!" && break
done
e2e_wait_row 23 0 19 " YOU WON! CONGRATS!"
e2e_expect_eq "$(e2e_row "$E2E_DIR/screen" 24 0 45)" " Mines: 6 / 6  ♥: 13/13   ♦: 13/13   ♣: 13/13" "status line of the won game"
e2e_expect_eq "$(e2e_row "$E2E_DIR/screen" 2 20 57)" " J♦  2♣  6♦  8♦  6♥  10♣ 7♦  xx  5♣  " "first board row of the won game"

if [[ -n ${E2E_KEEP_SCREENSHOT:-} ]]; then
    cp "$E2E_DIR/screen.ppm" "$E2E_DIR/won.ppm"
    convert "$E2E_DIR/won.ppm" "$E2E_KEEP_SCREENSHOT"
fi

e2e_key F4
e2e_wait_exit
e2e_expect_eq "$E2E_GAME_STATUS" 0 "exit status after F4"
echo "play test passed"
