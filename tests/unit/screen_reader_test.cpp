// The test helper that reads the screen back from pixels: every glyph in two colour pairs comes
// back as drawn (within the readings the helper documents), and rows read as text.
#include <gtest/gtest.h>

#include "ascii/raster.h"
#include "support/screen_reader.h"
#include "support/test_display.h"

TEST(ScreenReader, ReadsBackEveryGlyphInTwoColourPairs)
{
    const int32_t pairs[][2] = {{0, 3}, {14, 5}};
    for (const auto& pair : pairs)
    {
        const int32_t fg = pair[0], bg = pair[1];
        TestDisplay display;
        ascii_set_color(display.ctx, fg, bg);
        for (uint32_t glyph = 0; glyph < 256; ++glyph)
            ascii_put_char(display.ctx, glyph);
        const ScreenReading screen = read_screen(display.frame.data(), bg);
        for (int32_t glyph = 0; glyph < 256; ++glyph)
        {
            const ScreenCell cell = screen.cells[glyph / SCREEN_COLUMNS][glyph % SCREEN_COLUMNS];
            const bool blank = glyph == 0 || glyph == 32 || glyph == 255;
            const bool single_colour = blank || glyph == 219;
            EXPECT_EQ(cell.glyph, single_colour ? 32 : glyph) << "glyph " << glyph;
            EXPECT_EQ(cell.fg, single_colour ? SCREEN_NO_COLOR : fg) << "glyph " << glyph;
            EXPECT_EQ(cell.bg, glyph == 219 ? fg : bg) << "glyph " << glyph;
        }
    }
}

TEST(ScreenReader, InverseGlyphsFollowThePreferredBackground)
{
    TestDisplay display;
    ascii_set_color(display.ctx, 0, 7);
    ascii_put_char(display.ctx, 8);
    EXPECT_EQ(read_cell(display.frame.data(), 0, 0, 7).glyph, 8);
    const ScreenCell unpreferred = read_cell(display.frame.data(), 0, 0);
    EXPECT_EQ(unpreferred.glyph, 7);
    EXPECT_EQ(unpreferred.fg, 7);
    EXPECT_EQ(unpreferred.bg, 0);
}

TEST(ScreenReader, RowsReadAsTextAndTextIsFound)
{
    TestDisplay display;
    ascii_set_color(display.ctx, 0, 3);
    ascii_clear(display.ctx);
    ascii_set_cursor(display.ctx, 30, 12);
    ascii_write_str(display.ctx, "A\x03 7\x04 Q\x05 \xE2\x94\x80");
    const ScreenReading screen = read_screen(display.frame.data(), 3);
    EXPECT_EQ(screen_row_text(screen, 12, 30, 40), "A♥ 7♦ Q♣ ■");
    EXPECT_EQ(screen_row_text(screen, 11), std::string(80, ' '));
    int32_t column = -1, row = -1;
    ASSERT_TRUE(screen_find(screen, "7♦", &column, &row));
    EXPECT_EQ(column, 33);
    EXPECT_EQ(row, 12);
    EXPECT_FALSE(screen_find(screen, "K♠", &column, &row));
}

TEST(ScreenReader, ColoursOutsideThePaletteMakeACellUnreadable)
{
    TestDisplay display;
    ascii_set_color(display.ctx, 0, 3);
    ascii_put_char(display.ctx, 'Z');
    display.frame[3] = 0xFF808000;
    const ScreenCell cell = read_cell(display.frame.data(), 0, 0);
    EXPECT_EQ(cell.glyph, SCREEN_UNREADABLE);
    EXPECT_EQ(glyph_text(cell.glyph), "\uFFFD");
    display.frame[3] = g_palette[3] + 0x00040404;  // a little off, as after scaling: still read
    EXPECT_EQ(read_cell(display.frame.data(), 0, 0).glyph, 'Z');
}
