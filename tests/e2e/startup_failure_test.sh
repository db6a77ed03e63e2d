#!/usr/bin/env bash
# When SDL cannot start, the game says so with SDL's reason on standard output and ends with
# status -1 (255) before any window exists.
source "$(dirname "$0")/lib.sh" "$@"

status=0
SDL_VIDEODRIVER=no_such_driver "$E2E_GAME_BINARY" >"$E2E_OUT" 2>"$E2E_ERR" || status=$?
e2e_expect_eq "$status" 255 "exit status"
e2e_expect_eq "$(grep -cE '^Could not initialize SDL: .+\.$' "$E2E_OUT")" 1 "failure line"
e2e_expect_eq "$(wc -l <"$E2E_OUT")" 1 "lines on standard output"
echo "start-up failure test passed"
