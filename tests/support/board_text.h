// Boards written as text for the tests: one row a line, cells separated by spaces, a card as its
// rank (A, 2..10, J, Q, K) and suit letter (h, d, c), a mine as "**". Comparing boards as text
// makes a failing test print both boards readably.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/grid.h"

struct TextBoard
{
    int32_t width, height;
    std::vector<uint32_t> cells;  // row-major
};

// Reads a board; any layout of spaces and line breaks, so the tables can be aligned.
TextBoard ParseBoard(const std::string& text);

std::string CellText(uint32_t cell);
// Canonical form: single spaces, one line per row, each ending in a line break.
std::string BoardText(const Grid<uint32_t>& board);
std::string BoardText(const TextBoard& board);

// The board of the text put into a grid of its size.
void LoadBoard(const TextBoard& board, Grid<uint32_t>& grid);
