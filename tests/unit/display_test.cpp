// The character display: UTF-8 decoding, characters at the cursor and newlines to the left
// margin, measuring and formatted output; the rasteriser against its plainest pixel-by-pixel
// form and the font's shapes; what clickable text and boxes do at the screen's edges; and the
// assertions, whose message and abnormal end are what a failing caller gets. Colours, hovering
// and flashing show in the game's tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include "ascii/raster.h"
#include "ascii/ui.h"
#include "game/random.h"
#include "support/screen.h"

TEST(Display, EveryLeadByteDecodesToTheLengthItAnnounces) {
    for (uint32_t lead = 0; lead < 256; ++lead)
        for (const uint32_t tail : {0x80, 0xA5, 0x3F}) {
            const char bytes[4] = {char(lead), char(tail), char(tail ^ 0x1B), char(tail ^ 0x2E)};
            const uint32_t t = tail & 0x3F, tt = (tail ^ 0x1B) & 0x3F, ttt = (tail ^ 0x2E) & 0x3F;
            // The plain form: a length by the lead byte's range, then the payload bits.
            const int32_t length = lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
            const uint32_t expected[] = {t << 12 | tt << 6 | ttt, lead, (lead & 0x1F) << 6 | t,
                                         (lead & 0x0F) << 12 | t << 6 | tt, (lead & 0x07) << 18 | t << 12 | tt << 6 | ttt};
            uint32_t code = 0;
            ASSERT_EQ(utf8_decode(bytes, bytes + 4, &code) - bytes, std::max(length, 1)) << "lead " << lead;
            ASSERT_EQ(code, expected[length]) << "lead " << lead << ", tail " << tail;
        }
    uint32_t code = 0;
    const char* euro = "\xE2\x82\xAC";
    EXPECT_EQ(utf8_decode(euro, euro + 2, &code), euro + 2) << "a sequence cut short stops at the end";
    EXPECT_EQ(code, 0x2080u) << "and reads zeros there";
}

TEST(Display, CharactersGoToTheCursorNewlinesToTheLeftMarginAndAClearWipesThem) {
    TestDisplay display;
    AsciiCtx* ctx = display.ctx;
    auto write = [ctx](int32_t x, int32_t y, const char* text, bool line = false) {
        ascii_set_cursor(ctx, x, y);
        line ? ascii_write_line(ctx, text) : ascii_write_str(ctx, text);
        return ctx->cursor.x * 100 + ctx->cursor.y;
    };
    ctx->left_margin = 2;
    EXPECT_EQ(write(5, 3, "AB\nD\xC3\xA9\x80") * 1000000 + ctx->char_data[4 * 80 + 3] * 1000 + ctx->char_data[4 * 80 + 4],
              504233000) << "233, then a lone 0x80";
    EXPECT_EQ(write(78, 6, "xy"), 207) << "the 80th character wraps";
    EXPECT_EQ(write(5, 7, "", true) * 10000 + write(0, 9, "", true), 2080009) << "a line ends in a newline, unless at column 0";
    ascii_printf(ctx, "%s", std::string(4000, '\n').c_str());
    EXPECT_EQ(ctx->cursor.y, 9 + 3072) << "formatted output is cut to 3072 characters";
    const char* rules = "a\nbcd\n\xC3\xA9x\n";  // a newline at the end counts a last, empty line
    const Vec2i measured = ascii_measure(nullptr, rules, rules + strlen(rules)), empty = ascii_measure(nullptr, rules, rules);
    EXPECT_EQ(measured.x * 1000 + measured.y * 100 + empty.x * 10 + empty.y, 3400);
    // A clear after a clear on the same background wipes what was drawn between them, and a clear
    // on another background all of the picture.
    for (const int32_t background : {1, 1, 2}) {
        ascii_set_color(ctx, 7, background), ascii_clear(ctx);
        const int32_t corner = display.Cell(79, 24).bg;
        ascii_set_cursor(ctx, 0, 0), ascii_put_char(ctx, 'a'), ascii_clear(ctx);
        EXPECT_EQ(display.Cell(0, 0).fg * 100 + corner, -100 + background) << "a cell of one colour";
    }
}

// Pixel k of row r of a glyph: bit x mod 32 of word x / 32 of the atlas row's eight words.
static bool GlyphPixel(uint32_t glyph, int64_t k, int64_t r) {
    const int64_t x = glyph % 32 * 8 + k, y = glyph / 32 * 16 + r;
    return (g_ascii_font.atlas[y * 8 + x / 32] >> (x % 32)) & 1;
}

TEST(Display, EveryGlyphIsDrawnAsThePlainPixelByPixelFormDrawsItAtEveryPlace) {
    std::vector<uint32_t> fast(size_t(PICTURE_W) * PICTURE_H, 0), plain = fast;
    const int64_t places[][2] = {{0, 0},   {632, 384}, {8, 16},  {-3, -5}, {636, 396},     {-8, 0},
                                 {640, 0}, {0, 400},   {0, -16}, {5, 390}, {INT32_MIN, 3}, {7, INT32_MAX - 4}};
    uint32_t fg = 0xFF000000;
    for (uint32_t code = 0; code < 258; ++code) {  // past 255, the replacement glyph
        for (const auto& [x0, y0] : places) {
            fg = fg * 2654435761u + 1;
            ascii_raster_glyph(fast.data(), int32_t(x0), int32_t(y0), code, fg, ~fg);
            for (int64_t r = 0; r < ASCII_H; ++r)
                for (int64_t k = 0; k < ASCII_W; ++k)
                    if (x0 + k >= 0 && x0 + k < PICTURE_W && y0 + r >= 0 && y0 + r < PICTURE_H)
                        plain[(y0 + r) * PICTURE_W + x0 + k] = GlyphPixel(code < 256 ? code : ASCII_REPLACEMENT_GLYPH, k, r) ? fg : ~fg;
        }
        ASSERT_EQ(memcmp(fast.data(), plain.data(), fast.size() * 4), 0) << "glyph " << code;
    }
    // The font is code page 437 in its VGA form: rows of glyphs 3, 4, 5, 65, 196 and 218.
    std::string shapes;
    for (const uint32_t glyph : {3, 4, 5, 65, 196, 218})
        for (int32_t r = 0, byte = 0; r < ASCII_H; ++r, byte = 0) {
            for (int32_t k = 0; k < ASCII_W; ++k)
                byte |= GlyphPixel(glyph, k, r) << k;
            shapes += {"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 15], char(r == 15 ? '\n' : ' ')};
        }
    EXPECT_EQ(shapes, "00 00 00 00 36 7F 7F 7F 7F 3E 1C 08 00 00 00 00\n00 00 00 00 08 1C 3E 7F 3E 1C 08 00 00 00 00 00\n"
                      "00 00 00 18 3C 3C E7 E7 E7 18 18 3C 00 00 00 00\n00 00 08 1C 36 63 63 7F 63 63 63 63 00 00 00 00\n"
                      "00 00 00 00 00 00 00 FF 00 00 00 00 00 00 00 00\n00 00 00 00 00 00 00 F8 18 18 18 18 18 18 18 18\n");
}

TEST(Display, AButtonAboveTheFirstRowOrOnTheLastIsNotDrawnAndABoxIsCutOffAtTheEdges) {
    TestDisplay display;
    AsciiCtx* ctx = display.ctx;
    ctx->left_margin = 2;
    UiCtx ui = {ctx, {37, -1}, true, true};
    for (const auto& [row, cursor] : {std::pair(-1, 200), {24, 3724}, {7, 207}}) {
        ascii_set_cursor(ctx, row == 7 ? 0 : 37, row);
        ui.mouse = {37, row};
        EXPECT_FALSE(ui_button(&ui, row == 7 ? "" : "OK", 0, 7)) << row;
        EXPECT_EQ(ctx->cursor.x * 100 + ctx->cursor.y, cursor) << "an empty text stays on its row";
    }
    ui = {ctx, {37, 24}, true, false};
    ascii_set_cursor(ctx, 37, 24);
    EXPECT_TRUE(ui_button(&ui, "OK", 7, 0)) << "rows are tested only when asked";
    EXPECT_EQ(display.Cell(37, 24).fg, 0) << "a black background of its own, swapped when hovered";
    ascii_box(ctx, -2, 5, 3, 7, 0, 7);  // cut off at the left edge: no corners of its own there
    ascii_box(ctx, 8, 5, 9, 6, 0, 7);   // one cell: the top left corner
    EXPECT_EQ(display.Text(0, 5, "──┐     ┌") + display.Text(0, 6, "──┘"), "──┐     ┌──┘");
}

TEST(Display, AViolatedPreconditionStopsTheProgramNamingTheExpression) {
    // The message goes to standard output, which the death test does not watch.
    TestDisplay display;
    ascii_set_cursor(display.ctx, 0, 25);
    EXPECT_DEATH((dup2(fileno(stderr), fileno(stdout)), ascii_put_char(display.ctx, 'a')),
                 "^Assert failed: \\(char_pos < \\(ctx->size\\.x \\* ctx->size\\.y\\)\\) in [^ ]*source/[^ ]+ at line [0-9]+\n");
    EXPECT_DEATH((dup2(fileno(stderr), fileno(stdout)), Random().Next()), "^Assert failed: \\(seed\\) in ");
}
