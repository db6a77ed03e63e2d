// The game driven frame by frame without a window, as the main loop drives it, by random input
// that must keep its rules: for the random-play test, the soak and the fuzzer.
#pragma once

#include <string>

#include "game/game.h"
#include "support/screen.h"

// Closes the overlays and drops the game screen's context: the next frame deals a new game.
void ResetGame();

// The mouse over one of the screen's clickable places (a board cell, a top button, a menu entry,
// < CANCEL >, < OK >) or anywhere at all, far off the picture too, and the left, the right, both
// or neither button going down: all from the bits of one random number.
InputState RandomInput(uint32_t bits);

// Runs one frame and checks what must hold whatever the input: the 39 cards once each and mines
// in the rest of the board, no two mines side by side, after a board frame a status line that
// counts what the board held before it, and now and then a picture that is what its record
// says. Returns what broke.
std::string FrameKeepingTheRules(InputState* input, OutputState* output);
