// The font, the palette and the glyph rasteriser: the glyph shapes the game relies on, how a cell
// lands in the frame buffer and is clipped at every edge, and the rasteriser against a
// straightforward pixel-by-pixel one over every glyph and every kind of clipping.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ascii/raster.h"
#include "ascii/ui.h"
#include "support/screen_reader.h"
#include "support/test_display.h"

static std::vector<uint8_t> glyph_rows(uint32_t glyph)
{
    std::vector<uint8_t> rows;
    for (int32_t r = 0; r < ASCII_H; ++r)
        rows.push_back(font_glyph_row(int32_t(glyph), r));
    return rows;
}

TEST(AsciiFont, HasTheDimensionsOfTheCharacterCell)
{
    EXPECT_EQ(g_ascii_font.chr_width, ASCII_W);
    EXPECT_EQ(g_ascii_font.chr_height, ASCII_H);
    EXPECT_EQ(sizeof(g_ascii_font.atlas), 4096u);
}

TEST(AsciiFont, GlyphsTheGameDrawsHaveTheirVgaShapes)
{
    struct Case
    {
        uint32_t glyph;
        std::vector<uint8_t> rows;
    };
    const Case cases[] = {
        {3, {0x00, 0x00, 0x00, 0x00, 0x36, 0x7F, 0x7F, 0x7F, 0x7F, 0x3E, 0x1C, 0x08, 0x00, 0x00, 0x00, 0x00}},
        {4, {0x00, 0x00, 0x00, 0x00, 0x08, 0x1C, 0x3E, 0x7F, 0x3E, 0x1C, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {5, {0x00, 0x00, 0x00, 0x18, 0x3C, 0x3C, 0xE7, 0xE7, 0xE7, 0x18, 0x18, 0x3C, 0x00, 0x00, 0x00, 0x00}},
        {65, {0x00, 0x00, 0x08, 0x1C, 0x36, 0x63, 0x63, 0x7F, 0x63, 0x63, 0x63, 0x63, 0x00, 0x00, 0x00, 0x00}},
        {196, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {218, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18}},
        {0, std::vector<uint8_t>(16, 0x00)},
        {32, std::vector<uint8_t>(16, 0x00)},
        {255, std::vector<uint8_t>(16, 0x00)},
        {219, std::vector<uint8_t>(16, 0xFF)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(glyph_rows(c.glyph), c.rows) << "glyph " << c.glyph;
}

TEST(AsciiFont, BoxGlyphsJoinEdgeToEdge)
{
    const uint8_t vertical = 0x18;    // pixel columns 3 and 4
    const uint8_t left_half = 0x1F;   // columns 0..4: the stroke from the left edge to the middle
    const uint8_t right_half = 0xF8;  // columns 3..7
    const int32_t stroke_row = 7;
    struct Case
    {
        uint32_t glyph;
        bool up, down;
        uint8_t horizontal;
    };
    const Case cases[] = {
        {GLYPH_VERTICAL, true, true, vertical},
        {GLYPH_TOP_RIGHT, false, true, left_half},
        {GLYPH_BOTTOM_LEFT, true, false, right_half},
        {GLYPH_HORIZONTAL, false, false, 0xFF},
        {GLYPH_BOTTOM_RIGHT, true, false, left_half},
        {GLYPH_TOP_LEFT, false, true, right_half},
    };
    for (const Case& c : cases)
    {
        const std::vector<uint8_t> rows = glyph_rows(c.glyph);
        for (int32_t r = 0; r < ASCII_H; ++r)
        {
            const bool stroke = r < stroke_row ? c.up : r > stroke_row ? c.down : true;
            const uint8_t expected = r == stroke_row ? c.horizontal : stroke ? vertical : 0x00;
            EXPECT_EQ(rows[size_t(r)], expected) << "glyph " << c.glyph << " row " << r;
        }
    }
}

TEST(AsciiPalette, EntryThreeIsTheScreenBackground)
{
    TestDisplay display;
    ascii_set_color(display.ctx, 0, 3);
    ascii_put_char(display.ctx, ' ');
    EXPECT_EQ(display.pixel(0, 0), 0xFF0083A6u);
    EXPECT_EQ(display.pixel(7, 15), 0xFF0083A6u);
}

TEST(AsciiRaster, FullBlockAndSpaceFillTheirCell)
{
    struct Case
    {
        uint32_t glyph;
        uint32_t expected;
    };
    const Case cases[] = {{219, g_palette[14]}, {32, g_palette[1]}};
    for (const Case& c : cases)
    {
        TestDisplay display;
        ascii_set_color(display.ctx, 14, 1);
        ascii_put_char(display.ctx, c.glyph);
        for (int32_t y = 0; y < 17; ++y)
            for (int32_t x = 0; x < 9; ++x)
            {
                const bool inside = x < ASCII_W && y < ASCII_H;
                ASSERT_EQ(display.pixel(x, y), inside ? c.expected : UNTOUCHED_PIXEL)
                    << "glyph " << c.glyph << " pixel " << x << "," << y;
            }
    }
}

TEST(AsciiRaster, LastCellCoversTheBottomRightCorner)
{
    TestDisplay display;
    ascii_set_color(display.ctx, 15, 2);
    ascii_set_cursor(display.ctx, 79, 24);
    ascii_put_char(display.ctx, 219);
    int32_t written = 0;
    for (int32_t y = 0; y < PICTURE_H; ++y)
        for (int32_t x = 0; x < PICTURE_W; ++x)
            if (display.pixel(x, y) != UNTOUCHED_PIXEL)
            {
                ++written;
                EXPECT_TRUE(x >= 632 && y >= 384) << x << "," << y;
            }
    EXPECT_EQ(written, ASCII_W * ASCII_H);
    EXPECT_EQ(display.pixel(632, 384), g_palette[15]);
    EXPECT_EQ(display.pixel(639, 399), g_palette[15]);
}

TEST(AsciiRaster, CellsOffThePictureWriteNothing)
{
    const int32_t origins[][2] = {{640, 0},   {648, 200}, {-8, 0},     {-16, 384}, {0, 400},
                                  {632, 416}, {0, -16},   {-800, -32}, {INT32_MAX, 0}, {0, INT32_MIN}};
    TestDisplay display;
    for (const auto& origin : origins)
        for (uint32_t glyph : {0u, 65u, 219u, 0x2500u})
            ascii_raster_glyph(display.frame.data(), origin[0], origin[1], glyph, g_palette[15], g_palette[3]);
    // Through the context: columns past either edge still index a cell, but draw nothing.
    const int32_t cursors[][2] = {{80, 0}, {81, 3}, {-1, 2}, {-40, 10}};
    for (const auto& cursor : cursors)
    {
        ascii_set_cursor(display.ctx, cursor[0], cursor[1]);
        ascii_put_char(display.ctx, 219);
    }
    for (uint32_t pixel : display.frame)
        ASSERT_EQ(pixel, UNTOUCHED_PIXEL);
}

TEST(AsciiRaster, CodePointsAboveTheFontDrawTheReplacementGlyph)
{
    for (uint32_t code : {256u, 0x2665u, 0x10FFFFu, 0x80000000u, 0xFFFFFFFFu})
    {
        TestDisplay display;
        ascii_set_color(display.ctx, 0, 7);
        ascii_put_char(display.ctx, code);
        const ScreenCell cell = read_cell(display.frame.data(), 0, 0);
        EXPECT_EQ(cell.glyph, int32_t(ASCII_REPLACEMENT_GLYPH)) << code;
        EXPECT_EQ(display.cell(0, 0), code) << "the cell keeps the code point itself";
    }
}

// The rasteriser as the plain rule states it: every pixel on its own, looked up bit by bit in the
// atlas words and tested against the clip rectangle.
static void reference_raster(uint32_t* frame, int32_t x0, int32_t y0, uint32_t code, uint32_t fg, uint32_t bg)
{
    if (code > 255)
        code = ASCII_REPLACEMENT_GLYPH;
    const uint32_t gx = code % 32 * 8;
    const uint32_t gy = code / 32 * 16;
    for (int64_t r = 0; r < 16; ++r)
        for (int64_t k = 0; k < 8; ++k)
        {
            const int64_t x = int64_t(x0) + k;
            const int64_t y = int64_t(y0) + r;
            if (x < g_clip_rect.left || x >= g_clip_rect.right || y < g_clip_rect.top || y >= g_clip_rect.bottom)
                continue;
            const uint32_t ax = gx + uint32_t(k);
            const uint32_t ay = gy + uint32_t(r);
            const bool set = (g_ascii_font.atlas[ay * 8 + ax / 32] >> (ax % 32)) & 1;
            frame[y * PICTURE_W + x] = set ? fg : bg;
        }
}

TEST(AsciiRaster, MatchesThePixelByPixelRuleOverEveryGlyphAndEveryClipping)
{
    // Wholly inside (aligned and not), partly off each edge and each corner, and just off.
    const int32_t xs[] = {-9, -8, -7, -3, -1, 0, 3, 317, 631, 632, 633, 636, 639, 640, INT32_MIN, INT32_MAX};
    const int32_t ys[] = {-17, -16, -15, -8, -1, 0, 5, 191, 383, 384, 385, 392, 399, 400, INT32_MIN, INT32_MAX};
    std::vector<uint32_t> expected(size_t(PICTURE_W) * PICTURE_H, UNTOUCHED_PIXEL);
    std::vector<uint32_t> actual = expected;
    for (int32_t y0 : ys)
        for (int32_t x0 : xs)
        {
            for (uint32_t code = 0; code < 260; ++code)
            {
                const uint32_t fg = g_palette[code % 16];
                const uint32_t bg = g_palette[(code / 16 + 5) % 16];
                reference_raster(expected.data(), x0, y0, code, fg, bg);
                ascii_raster_glyph(actual.data(), x0, y0, code, fg, bg);
                for (int64_t y = int64_t(y0) - 1; y <= int64_t(y0) + ASCII_H; ++y)
                {
                    for (int64_t x = int64_t(x0) - 1; x <= int64_t(x0) + ASCII_W; ++x)
                    {
                        if (x < 0 || x >= PICTURE_W || y < 0 || y >= PICTURE_H)
                            continue;
                        ASSERT_EQ(actual[y * PICTURE_W + x], expected[y * PICTURE_W + x])
                            << "glyph " << code << " at " << x0 << "," << y0 << ", pixel " << x << "," << y;
                    }
                }
            }
            ASSERT_TRUE(actual == expected) << "a pixel away from the cell at " << x0 << "," << y0;
        }
}
