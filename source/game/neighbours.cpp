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

template <size_t N, typename Predicate>
static int32_t CountNeighbours(const Grid<uint32_t>& board, int32_t x, int32_t y,
                               const Offset (&offsets)[N], Predicate counts)
{
    int32_t count = 0;
    for (const Offset& offset : offsets)
        if (counts(board.Get(x + offset.dx, y + offset.dy)))
            ++count;
    return count;
}

int32_t CountSameSuit(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    // Get rather than a raw read, so that a centre off the board cannot read past the cells.
    const uint32_t suit = CellSuit(board.Get(x, y));
    return CountNeighbours(board, x, y, SURROUNDING,
                           [suit](uint32_t cell) { return CellSuit(cell) == suit; });
}

int32_t CountOrthogonalMines(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    return CountNeighbours(board, x, y, ORTHOGONAL, HasMineBit);
}

bool IsMine(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    return HasMineBit(board.Get(x, y));
}

int32_t CountAdjacentMines(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    return CountNeighbours(board, x, y, SURROUNDING, HasMineBit);
}
