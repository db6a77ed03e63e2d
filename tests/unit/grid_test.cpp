// The grid at and beyond its edges, and what resizing keeps.
#include "game/grid.h"

#include <gtest/gtest.h>

static void Number(Grid<uint32_t>& grid)
{
    for (int32_t i = 0; i < grid.GetWidth() * grid.GetHeight(); ++i)
        grid.Cells()[i] = uint32_t(i + 1);
}

TEST(Grid, GetAndSetOutsideTheGrid)
{
    Grid<uint32_t> grid;
    grid.Resize(9, 5);
    Number(grid);
    struct Position
    {
        int32_t x, y;
    };
    const Position outside[] = {{-1, 0}, {9, 0}, {0, -1}, {0, 5}, {-1, -1}, {9, 5}, {100, 2}, {4, -100}};
    for (const Position& p : outside)
    {
        EXPECT_EQ(grid.Get(p.x, p.y), 0u) << "at (" << p.x << ", " << p.y << ")";
        grid.Set(p.x, p.y, 777);
    }
    for (int32_t i = 0; i < 45; ++i)
        ASSERT_EQ(grid.Cells()[i], uint32_t(i + 1)) << "cell " << i;

    const Position corners[] = {{0, 0}, {8, 0}, {0, 4}, {8, 4}};
    for (const Position& p : corners)
    {
        grid.Set(p.x, p.y, 900);
        EXPECT_EQ(grid.Get(p.x, p.y), 900u);
        EXPECT_EQ(grid.Cells()[p.y * 9 + p.x], 900u);
    }
}

TEST(Grid, AtClampsIntoTheGrid)
{
    Grid<uint32_t> grid;
    grid.Resize(9, 5);
    Number(grid);
    struct Case
    {
        int32_t x, y;
        int32_t clamped_x, clamped_y;
    };
    const Case cases[] = {
        {-3, 7, 0, 4}, {12, -1, 8, 0}, {4, 2, 4, 2}, {9, 5, 8, 4}, {-1, -1, 0, 0}, {8, 4, 8, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(&grid.At(c.x, c.y), &grid.Cells()[c.clamped_y * 9 + c.clamped_x])
            << "at (" << c.x << ", " << c.y << ")";

    grid.At(-3, 7) = 55;
    EXPECT_EQ(grid.Get(0, 4), 55u);
}

TEST(Grid, ResizeKeepsTheBlockOnlyForTheSameCount)
{
    Grid<uint32_t> grid;
    grid.Resize(9, 5);
    Number(grid);
    const uint32_t* block = grid.Cells();

    grid.Resize(9, 5);
    EXPECT_EQ(grid.Cells(), block);
    EXPECT_EQ(grid.Get(8, 4), 45u);

    grid.Resize(5, 9);  // same count, new shape over the same contents
    EXPECT_EQ(grid.Cells(), block);
    EXPECT_EQ(grid.GetWidth(), 5);
    EXPECT_EQ(grid.GetHeight(), 9);
    EXPECT_EQ(grid.Get(0, 1), 6u);

    grid.Resize(8, 6);
    EXPECT_EQ(grid.GetWidth(), 8);
    EXPECT_EQ(grid.GetHeight(), 6);
    for (int32_t i = 0; i < 48; ++i)
        ASSERT_EQ(grid.Cells()[i], 0u) << "cell " << i;

    grid.Resize(0, 0);
    EXPECT_EQ(grid.Cells(), nullptr);
}
