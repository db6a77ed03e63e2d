#!/usr/bin/env bash
# The game's window in a real X server: the start-up timings on standard output, the 1280 x 800
# window and its title, a resize reported and painted in the margin colour, and F4 ending the
# game normally.
source "$(dirname "$0")/lib.sh" "$@"

MARGIN=0083A6

e2e_start_xvfb
e2e_start_game
e2e_wait_window

e2e_wait_output '^Graphics took: '
e2e_expect_eq "$(sed -n 1p "$E2E_OUT" | grep -cE '^Init took: [0-9]+\.[0-9]{6}ms$')" 1 "first line"
e2e_expect_eq "$(sed -n 2p "$E2E_OUT" | grep -cE '^Graphics took: [0-9]+\.[0-9]{6}ms$')" 1 "second line"
e2e_expect_eq "$(e2e_window_size)" 1280x800 "start window size"
e2e_expect_eq "$(e2e_window_title)" "Brambledeck Field" "window title"

# At 1500 x 1000 the picture stays at scale 2 and is centred: 110 pixels spare at each side,
# 100 above and below.
e2e_resize 1500 1000
e2e_wait_output '^RESIZE: 1500, 1000$'
e2e_wait_size 1500x1000
e2e_wait_colour "$MARGIN" 0 0 109 500 1390 500 750 99 750 900 1499 999

e2e_key F4
e2e_wait_exit
e2e_expect_eq "$E2E_GAME_STATUS" 0 "exit status after F4"
e2e_expect_eq "$(tail -n 1 "$E2E_OUT")" "Quiting...." "last line"
e2e_expect_eq "$(cat "$E2E_ERR")" "" "standard error"
echo "window test passed"
