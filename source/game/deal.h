// Dealing a board from a known seed, in steps that tests and measurements can take one by one.
// Choosing the seed from the clocks or the calendar is NewGame's part (game.h).
#pragma once

#include <cstdint>

#include "game/grid.h"
#include "game/random.h"

struct BoardSize
{
    int32_t width, height;
};

// The board of a kind of game; any code other than the five kinds gets the normal game's.
BoardSize GetBoardSize(int32_t type);

// Starts a game of the given kind from the given non-zero seed, replacing the board, the marks,
// the fog and the outcome in g_game. Returns the number of mine-separation passes it took.
int32_t NewGameFromSeed(int32_t type, uint32_t seed);

// Fills the already sized board with the 39 cards and as many mines as the board leaves room
// for, shuffled with the seed, in row-major order. Mines may still touch.
void DealDeck(Grid<uint32_t>& board, uint32_t seed);

// One row-major scan that moves every mine found touching another mine to a random position.
// Returns the number of swaps made.
int32_t SeparationPass(Grid<uint32_t>& board, Random& rng);

// Scans until a pass makes no swap; returns the number of passes, the last clean one included.
int32_t SeparateMines(Grid<uint32_t>& board, Random& rng);
