// Boxes and clickable text as the player sees them: the box frame glyph by glyph, its degenerate
// shapes and clipping, and the button's hover span, colours, row clipping and click answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ascii/ui.h"
#include "support/screen_reader.h"
#include "support/test_display.h"

static constexpr int32_t BOX_BG = 7;

TEST(AsciiBox, FramesItsCellsAndFillsTheInsideWithSpaces)
{
    TestDisplay display;
    ascii_box(display.ctx, 23, 6, 57, 20, 0, BOX_BG);
    const ScreenReading screen = read_screen(display.frame.data(), BOX_BG);
    std::string line;
    for (int32_t i = 0; i < 32; ++i)
        line += "─";
    for (int32_t row = 6; row < 20; ++row)
    {
        const std::string expected = row == 6    ? "┌" + line + "┐"
                                     : row == 19 ? "└" + line + "┘"
                                                 : "│" + std::string(32, ' ') + "│";
        EXPECT_EQ(screen_row_text(screen, row, 23, 57), expected) << "row " << row;
        for (int32_t column = 23; column < 57; ++column)
        {
            const ScreenCell cell = screen.cells[row][column];
            ASSERT_EQ(cell.bg, BOX_BG) << column << "," << row;
            ASSERT_EQ(cell.fg, cell.glyph == ' ' ? SCREEN_NO_COLOR : 0) << column << "," << row;
        }
    }
    EXPECT_EQ(display.cell(23, 6), GLYPH_TOP_LEFT);
    EXPECT_EQ(display.cell(56, 19), GLYPH_BOTTOM_RIGHT);
    int32_t touched = 0;
    for (uint32_t pixel : display.frame)
        touched += pixel != UNTOUCHED_PIXEL;
    EXPECT_EQ(touched, 34 * 14 * ASCII_W * ASCII_H) << "nothing outside the box";
    EXPECT_EQ(display.ctx->color, 0) << "the box's colours stay in force";
    EXPECT_EQ(display.ctx->bg_color, BOX_BG);
}

TEST(AsciiBox, DegenerateBoxesKeepTheirOpeningCorner)
{
    struct Case
    {
        int32_t x0, y0, x1, y1;
        std::vector<std::string> rows;  // from (x0, y0) down
    };
    const Case cases[] = {
        {10, 3, 11, 7, {"┌", "│", "│", "└"}},
        {10, 3, 15, 4, {"┌───┐"}},
        {10, 3, 11, 4, {"┌"}},
        {10, 3, 12, 5, {"┌┐", "└┘"}},
        {-2, 3, 3, 6, {"──┐", "  │", "──┘"}},  // past the left edge: no new corners at column 0
        {77, 23, 82, 27, {"┌──", "│  "}},     // past the right and bottom edges
    };
    for (const Case& c : cases)
    {
        TestDisplay display;
        ascii_box(display.ctx, c.x0, c.y0, c.x1, c.y1, 0, BOX_BG);
        const ScreenReading screen = read_screen(display.frame.data(), BOX_BG);
        const int32_t first = c.x0 < 0 ? 0 : c.x0;
        for (size_t i = 0; i < c.rows.size(); ++i)
        {
            const int32_t row = c.y0 + int32_t(i);
            const int32_t end = std::min(c.x1, SCREEN_COLUMNS);
            EXPECT_EQ(screen_row_text(screen, row, first, end), c.rows[i])
                << "box " << c.x0 << "," << c.y0 << " to " << c.x1 << "," << c.y1 << " row " << row;
        }
        int32_t touched = 0;
        for (uint32_t pixel : display.frame)
            touched += pixel != UNTOUCHED_PIXEL;
        const int32_t cells = (std::min(c.x1, SCREEN_COLUMNS) - first) * int32_t(c.rows.size());
        EXPECT_EQ(touched, cells * ASCII_W * ASCII_H) << "box " << c.x0 << "," << c.y0;
    }
}

TEST(AsciiBox, EmptyRangeDrawsNothingButSetsTheColours)
{
    TestDisplay display;
    ascii_set_cursor(display.ctx, 4, 4);
    ascii_box(display.ctx, 10, 5, 10, 9, 2, 5);
    ascii_box(display.ctx, 10, 5, 14, 4, 2, 5);
    EXPECT_EQ(display.ctx->color, 2);
    EXPECT_EQ(display.ctx->bg_color, 5);
    EXPECT_EQ(display.ctx->cursor.x, 4);
    for (uint32_t pixel : display.frame)
        ASSERT_EQ(pixel, UNTOUCHED_PIXEL);
}

struct ButtonScene
{
    TestDisplay display;
    UiCtx ui = {display.ctx, {0, 0}, false, true};
};

TEST(UiButton, HoverSpanIsTheTextAndOneColumnMore)
{
    struct Case
    {
        int32_t mouse_x, mouse_y;
        bool hovered;
    };
    const Case cases[] = {{36, 10, false}, {37, 10, true}, {42, 10, true}, {43, 10, true},
                          {44, 10, false}, {40, 11, false}, {40, 9, false}};
    for (const Case& c : cases)
    {
        ButtonScene scene;
        scene.ui.mouse = {c.mouse_x, c.mouse_y};
        scene.ui.mouse_clicked = true;
        ascii_set_cursor(scene.display.ctx, 37, 10);
        EXPECT_EQ(ui_button(&scene.ui, "Button", 0, 3), c.hovered) << c.mouse_x << "," << c.mouse_y;
        const ScreenCell cell = read_cell(scene.display.frame.data(), 37, 10);
        EXPECT_EQ(cell.fg, c.hovered ? 3 : 0) << c.mouse_x << "," << c.mouse_y;
        EXPECT_EQ(cell.bg, c.hovered ? 0 : 3) << c.mouse_x << "," << c.mouse_y;
    }
}

TEST(UiButton, NegativeColoursTakeTheContextsPairAndSwapItWhenHovered)
{
    for (bool hovered : {false, true})
    {
        ButtonScene scene;
        ascii_set_color(scene.display.ctx, 4, 7);
        scene.ui.mouse = {hovered ? 2 : 20, 0};
        ascii_set_cursor(scene.display.ctx, 0, 0);
        ui_button(&scene.ui, "A\x03", -1, -1);
        const ScreenReading screen = read_screen(scene.display.frame.data());
        EXPECT_EQ(screen_row_text(screen, 0, 0, 2), "A♥");
        EXPECT_EQ(screen.cells[0][0].fg, hovered ? 7 : 4);
        EXPECT_EQ(screen.cells[0][0].bg, hovered ? 4 : 7);
        EXPECT_EQ(scene.display.ctx->color, hovered ? 7 : 4) << "the drawn colours stay in force";
    }
}

TEST(UiButton, AnswersAClickOnlyOnItsSpan)
{
    struct Case
    {
        int32_t mouse_x, mouse_y;
        bool clicked;
        bool answer;
    };
    const Case cases[] = {{5, 2, true, true}, {5, 3, true, false}, {5, 2, false, false}, {30, 2, true, false}};
    for (const Case& c : cases)
    {
        ButtonScene scene;
        scene.ui.mouse = {c.mouse_x, c.mouse_y};
        scene.ui.mouse_clicked = c.clicked;
        ascii_set_cursor(scene.display.ctx, 3, 2);
        EXPECT_EQ(ui_button(&scene.ui, "< New Game >", 0, 3), c.answer) << c.mouse_x << "," << c.mouse_y;
        const ScreenReading screen = read_screen(scene.display.frame.data());
        EXPECT_EQ(screen_row_text(screen, 2, 3, 15), "< New Game >");
    }
}

TEST(UiButton, LeavesTheCursorAtTheMarginOfTheNextRow)
{
    ButtonScene scene;
    scene.display.ctx->left_margin = 6;
    ascii_set_cursor(scene.display.ctx, 20, 4);
    ui_button(&scene.ui, "--", 0, 3);
    EXPECT_EQ(scene.display.ctx->cursor.x, 6);
    EXPECT_EQ(scene.display.ctx->cursor.y, 5);

    // An empty text at column 0 adds no newline; only the column is set to the margin.
    scene.display.ctx->left_margin = 0;
    ascii_set_cursor(scene.display.ctx, 0, 8);
    ui_button(&scene.ui, "", 0, 3);
    EXPECT_EQ(scene.display.ctx->cursor.x, 0);
    EXPECT_EQ(scene.display.ctx->cursor.y, 8);
}

TEST(UiButton, ClippedRowsDrawNothingAndNeverAnswer)
{
    struct Case
    {
        int32_t row;
        int32_t expected_row;
    };
    const Case cases[] = {{-1, 0}, {-5, -4}, {24, 24}, {25, 25}, {30, 30}};
    for (const Case& c : cases)
    {
        ButtonScene scene;
        scene.display.ctx->left_margin = 2;
        ascii_set_color(scene.display.ctx, 1, 2);
        ascii_set_cursor(scene.display.ctx, 9, c.row);
        scene.ui.mouse = {9, c.row};
        scene.ui.mouse_clicked = true;
        EXPECT_FALSE(ui_button(&scene.ui, "xx", 0, 3)) << "row " << c.row;
        EXPECT_EQ(scene.display.ctx->cursor.x, c.row < 0 ? 2 : 9) << "row " << c.row;
        EXPECT_EQ(scene.display.ctx->cursor.y, c.expected_row) << "row " << c.row;
        EXPECT_EQ(scene.display.ctx->color, 1) << "row " << c.row;
        EXPECT_EQ(scene.display.ctx->bg_color, 2) << "row " << c.row;
        for (uint32_t pixel : scene.display.frame)
            ASSERT_EQ(pixel, UNTOUCHED_PIXEL) << "row " << c.row;
    }
}

TEST(UiButton, WrappedTextAnswersOnlyOnItsFirstRow)
{
    ButtonScene scene;
    scene.ui.mouse = {1, 6};
    scene.ui.mouse_clicked = true;
    ascii_set_cursor(scene.display.ctx, 78, 5);
    EXPECT_FALSE(ui_button(&scene.ui, "abcd", 0, 3));
    EXPECT_EQ(scene.display.cell(0, 6), uint32_t('c'));
    scene.ui.mouse = {78 + 4, 5};  // past the edge, but within len + 1 of the start
    ascii_set_cursor(scene.display.ctx, 78, 5);
    EXPECT_TRUE(ui_button(&scene.ui, "abcd", 0, 3));
}
