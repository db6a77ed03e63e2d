// The game driven frame by frame without a window, as the main loop drives it, by random input
// that must keep the game's rules: for the random-play test, the soak and the play fuzzer.
#pragma once

#include <string>

#include "game/game.h"

// Closes the overlays and drops the game screen's context: the next frame deals a new game.
void ResetGame();

// From the bits of one random number: the mouse over one of the screen's clickable places (a
// card slot, a top button, a menu entry, < CANCEL >, < OK >), or now and then anywhere at all,
// far off the picture too; and the left, the right, both or neither button going down.
InputState RandomInput(uint32_t bits);

// What is wrong with a board, if anything: it must hold the 39 cards once each and mines in the
// rest, no two of them side by side.
std::string BoardFault(const Grid<uint32_t>& board);

// Runs one frame and says what broke, if anything: the frame must ask to be shown, the board
// must have no fault, and now and then the picture must be what the display's record says.
std::string FrameKeepingTheRules(InputState* input, OutputState* output);
