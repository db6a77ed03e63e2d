// Questions about the cells around a board position. They read the board only; positions off
// the board read as 0: no suit, no mine.
#pragma once

#include <cstdint>

#include "game/grid.h"

int32_t CountSameSuit(const Grid<uint32_t>& board, int32_t x, int32_t y);         // of 8 neighbours
int32_t CountOrthogonalMines(const Grid<uint32_t>& board, int32_t x, int32_t y);  // of 4
bool IsMine(const Grid<uint32_t>& board, int32_t x, int32_t y);
int32_t CountAdjacentMines(const Grid<uint32_t>& board, int32_t x, int32_t y);    // of 8
