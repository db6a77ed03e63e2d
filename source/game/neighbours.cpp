// The neighbour rules of the board: same-suit and mine counts around a position. They read the
// board through Grid::Get, so positions off the board count as empty; the callers decide what
// the numbers mean.
#include "game/neighbours.h"

#include "game/game.h"

struct Offset
{
    int32_t dx, dy;
};

// The eight neighbours column by column, top to bottom within each column.
static const Offset SURROUNDING[] = {
    {-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1},
};

// Left, right, above, below.
static const Offset ORTHOGONAL[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

static bool HasMineBit(uint32_t cell)
{
    return (cell & CELL_MINE) != 0;
}

int32_t CountSameSuit(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    // Get rather than a raw read, so that a centre off the board cannot read past the cells.
    uint32_t suit = CellSuit(board.Get(x, y));
    int32_t count = 0;
    for (const Offset& offset : SURROUNDING)
        if (CellSuit(board.Get(x + offset.dx, y + offset.dy)) == suit)
            ++count;
    return count;
}

int32_t CountOrthogonalMines(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    int32_t count = 0;
    for (const Offset& offset : ORTHOGONAL)
        if (HasMineBit(board.Get(x + offset.dx, y + offset.dy)))
            ++count;
    return count;
}

bool IsMine(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    return HasMineBit(board.Get(x, y));
}

int32_t CountAdjacentMines(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    int32_t count = 0;
    for (const Offset& offset : SURROUNDING)
        if (HasMineBit(board.Get(x + offset.dx, y + offset.dy)))
            ++count;
    return count;
}
