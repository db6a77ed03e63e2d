// The neighbour rules on the daily board of 1 January 2000 and on small boards built for one
// question each, edges and corners included.
#include "game/neighbours.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "support/board_text.h"
#include "support/daily_board_2000.h"

struct PositionCount
{
    int32_t x, y;
    int32_t count;
};

class DailyBoardNeighbours : public ::testing::Test
{
protected:
    void SetUp() override { LoadBoard(ParseBoard(DAILY_2000_FINAL), board); }
    Grid<uint32_t> board;
};

TEST_F(DailyBoardNeighbours, SameSuit)
{
    const PositionCount cases[] = {
        {5, 1, 4},  // 3 of hearts
        {3, 0, 2},  // 8 of diamonds on the top edge
        {8, 4, 0},  // 7 of hearts in the bottom-right corner
        {6, 4, 3},  // 4 of clubs on the bottom edge
        {0, 4, 0},  // ace of diamonds in the bottom-left corner, a mine above it
    };
    for (const PositionCount& c : cases)
        EXPECT_EQ(CountSameSuit(board, c.x, c.y), c.count) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(DailyBoardNeighbours, AdjacentMines)
{
    const PositionCount cases[] = {
        {3, 0, 1},  // the mine at (2, 1) is diagonal
        {1, 3, 3},  // king of hearts
        {5, 1, 0},
        {8, 0, 1},  // corner, the mine beside it
        {1, 4, 2},  // bottom edge: the mines at (0, 3) and (2, 4)
    };
    for (const PositionCount& c : cases)
        EXPECT_EQ(CountAdjacentMines(board, c.x, c.y), c.count) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(DailyBoardNeighbours, OrthogonalMines)
{
    int32_t mines = 0;
    for (int32_t y = 0; y < board.GetHeight(); ++y)
        for (int32_t x = 0; x < board.GetWidth(); ++x)
            if (board.Get(x, y) == CELL_MINE)
            {
                ++mines;
                EXPECT_EQ(CountOrthogonalMines(board, x, y), 0) << "mine at (" << x << ", " << y << ")";
            }
    EXPECT_EQ(mines, 6);

    const PositionCount cases[] = {
        {3, 3, 1},  // king of diamonds, the mine at (4, 3) beside it
        {1, 1, 2},  // 9 of hearts between (2, 1) and (1, 2)
        {0, 4, 1},  // corner, the mine at (0, 3) above it
        {5, 1, 0},
    };
    for (const PositionCount& c : cases)
        EXPECT_EQ(CountOrthogonalMines(board, c.x, c.y), c.count) << "at (" << c.x << ", " << c.y << ")";
}

TEST_F(DailyBoardNeighbours, IsMineOnAndOffTheBoard)
{
    struct Case
    {
        int32_t x, y;
        bool mine;
    };
    const Case cases[] = {
        {7, 0, true}, {2, 1, true}, {0, 3, true}, {6, 0, false}, {0, 0, false},
        {-1, 0, false}, {9, 0, false}, {0, -1, false}, {0, 5, false}, {8, 4, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsMine(board, c.x, c.y), c.mine) << "at (" << c.x << ", " << c.y << ")";
}

TEST(Neighbours, MinesAndOffBoardPositionsHaveNoSuit)
{
    EXPECT_EQ(CellSuit(CELL_MINE), SUIT_NONE);
    Grid<uint32_t> board;
    LoadBoard(ParseBoard("Ah **\n"), board);
    EXPECT_EQ(CellSuit(board.Get(-1, 0)), SUIT_NONE);
    EXPECT_EQ(CountSameSuit(board, 0, 0), 0);
}

TEST(Neighbours, SameSuitAtCornersEdgesAndCentre)
{
    struct Case
    {
        const char* board;
        int32_t x, y;
        int32_t count;
    };
    const Case cases[] = {
        {"Ah 2h 3d\n"
         "3h 4h 5d\n"
         "6d 7d 8d\n",
         0, 0, 3},
        {"Ad Ah 2h\n"
         "3d 3h 4h\n"
         "4d 5d 6d\n",
         2, 0, 3},
        {"Ah 2h 3h\n"
         "4h 5c 5h\n"
         "6h 7h 8h\n",
         1, 1, 0},
        {"Ah 2h 3h\n"
         "4h 5h 6h\n"
         "7h 8h 9h\n",
         1, 1, 8},
        {"Ac 2c 3c\n"
         "4c **  5c\n"
         "6c 7c 8c\n",
         1, 0, 4},  // top edge: 5 neighbours on the board, the mine not among the clubs
        {"Ad **  2d\n"
         "**  3d **\n"
         "4d **  5d\n",
         1, 1, 4},  // only the diagonals share the suit
    };
    for (const Case& c : cases)
    {
        Grid<uint32_t> board;
        LoadBoard(ParseBoard(c.board), board);
        EXPECT_EQ(CountSameSuit(board, c.x, c.y), c.count) << c.board;
    }
}

TEST(Neighbours, MineCountsAroundAFullRing)
{
    Grid<uint32_t> board;
    LoadBoard(ParseBoard("** ** **\n"
                         "** Ah **\n"
                         "** ** **\n"),
              board);
    EXPECT_EQ(CountAdjacentMines(board, 1, 1), 8);
    EXPECT_EQ(CountOrthogonalMines(board, 1, 1), 4);
    EXPECT_EQ(CountAdjacentMines(board, 0, 0), 2);
    EXPECT_EQ(CountOrthogonalMines(board, 0, 0), 2);
    EXPECT_EQ(CountAdjacentMines(board, -1, -1), 1);
    EXPECT_EQ(CountOrthogonalMines(board, 3, 1), 1);
}
