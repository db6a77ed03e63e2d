// The character display: characters at the cursor and newlines to the left margin, UTF-8 and
// formatted output; the rasteriser against its plainest pixel-by-pixel form, and the font's
// shapes; boxes and clickable text at the edges of the screen; and the assertions, whose
// message and abnormal end are what a failing caller gets. The game's tests show the rest.
#include <gtest/gtest.h>
#include <unistd.h>

#include "ascii/raster.h"
#include "ascii/ui.h"
#include "game/random.h"
#include "support/screen.h"

TEST(Display, CharactersGoToTheCursorAndNewlinesToTheLeftMargin) {
    TestDisplay display;
    AsciiCtx* ctx = display.ctx;
    ctx->left_margin = 2;
    ascii_set_cursor(ctx, 5, 3);
    ascii_write_line(ctx, "AB\nD");  // a line ends in a newline
    ascii_write_str(ctx, "E");
    ascii_set_cursor(ctx, 0, 6);
    ascii_write_line(ctx, "");  // unless it ends at column 0
    ascii_write_str(ctx, "C");
    ascii_set_cursor(ctx, 78, 7);
    ascii_write_str(ctx, "xyz");  // the 80th character of a row ends it
    ascii_set_cursor(ctx, 80, 2);
    ascii_put_char(ctx, 'q');  // past the right edge: nowhere
    EXPECT_EQ(display.Rows(3, 8), "\n     AB\n  D\n  E\nC\n" + std::string(78, ' ') + "xy\n  z");
    ascii_set_cursor(ctx, INT32_MAX, -26843545);  // cell 47, in the last column 32 bits name
    ascii_put_char(ctx, 'a');
    EXPECT_EQ(ctx->cursor.x, 2);
}

// A code point in UTF-8 as the standard writes it.
static std::string Utf8(uint32_t code) {
    if (code < 0x80)
        return {char(code)};
    const char tail = char(0x80 | (code & 0x3F));
    if (code < 0x800)
        return {char(0xC0 | code >> 6), tail};
    const char middle = char(0x80 | (code >> 6 & 0x3F));
    if (code < 0x10000)
        return {char(0xE0 | code >> 12), middle, tail};
    return {char(0xF0 | code >> 18), char(0x80 | (code >> 12 & 0x3F)), middle, tail};
}

TEST(Display, EveryCodePointDecodesFromItsUtf8AndAByteThatLeadsNothingAlone) {
    for (uint32_t code = 0; code < 0x110000; ++code) {
        const std::string bytes = Utf8(code);
        const char* end = bytes.data() + bytes.size();
        uint32_t decoded = 0;
        ASSERT_EQ(utf8_decode(bytes.data(), end, &decoded), end) << code;
        ASSERT_EQ(decoded, code);
    }
    for (uint32_t lead = 0x80; lead < 0x100; ++lead) {
        if (lead >= 0xC0 && lead < 0xF8)
            continue;  // the lead bytes
        const char bytes[] = {char(lead), '\x80', '\xA5', '\xBF'};
        uint32_t code = 0;
        EXPECT_EQ(utf8_decode(bytes, bytes + 4, &code), bytes + 1) << lead;
        EXPECT_EQ(code, 0x97Fu) << "the bits of the three bytes after it";
    }
}

TEST(Display, FormattedOutputStopsAfter3072CharactersAndMeasuringCountsLinesAndTheWidest) {
    TestDisplay display;
    ascii_printf(display.ctx, "%s", std::string(4000, '\n').c_str());
    EXPECT_EQ(display.ctx->cursor.y, 3072);
    const char* text = "ab\nxyz";
    EXPECT_EQ(ascii_measure(nullptr, text, text + 6).x, 3) << "the last line the widest";
    EXPECT_EQ(ascii_measure(nullptr, text, text + 6).y, 2);
}

// Whether every pixel of the picture is of one palette colour.
static bool AllOf(const TestDisplay& display, int32_t colour) {
    return std::count(display.picture.begin(), display.picture.end(), g_palette[colour]) ==
           PICTURE_W * PICTURE_H;
}

TEST(Display, AClearWipesWhatWasDrawnSinceTheLastWhateverTheColour) {
    TestDisplay display;
    for (const int32_t colour : {3, 3, 1}) {
        ascii_set_color(display.ctx, 7, colour);
        ascii_set_cursor(display.ctx, 79, 24);
        ascii_put_char(display.ctx, 'a');
        ascii_clear(display.ctx);
        EXPECT_TRUE(AllOf(display, colour)) << colour;
    }
    EXPECT_EQ(display.ctx->char_data[79 + 24 * 80], uint32_t('a')) << "the text stays recorded";
}

// Pixel (k, r) of a glyph, straight from the atlas: bit x mod 32 of word x / 32 of atlas row y.
static bool GlyphPixel(uint32_t glyph, int64_t k, int64_t r) {
    const int64_t x = glyph % 32 * 8 + k;
    const int64_t y = glyph / 32 * 16 + r;
    return (g_ascii_font.atlas[y * 8 + x / 32] >> (x % 32)) & 1;
}

TEST(Rasteriser, DrawsEveryGlyphAsThePlainPixelByPixelFormDoesAtEveryPlace) {
    std::vector<uint32_t> fast(size_t(PICTURE_W) * PICTURE_H, 0);
    std::vector<uint32_t> plain = fast;
    const int64_t places[][2] = {
        {0, 0},   {632, 384}, {8, 16},  {-3, -5},  {636, 396},     {-8, 0},
        {640, 0}, {0, 400},   {0, -16}, {5, 390},  {INT32_MIN, 3}, {7, INT32_MAX - 4},
    };
    uint32_t fg = 0xFF000000;
    for (uint32_t code = 0; code < 258; ++code) {  // past 255, the replacement glyph
        const uint32_t glyph = code < 256 ? code : ASCII_REPLACEMENT_GLYPH;
        for (const auto& [x0, y0] : places) {
            fg = fg * 2654435761u + 1;
            ascii_raster_glyph(fast.data(), int32_t(x0), int32_t(y0), code, fg, ~fg);
            for (int64_t r = 0; r < ASCII_H; ++r) {
                for (int64_t k = 0; k < ASCII_W; ++k) {
                    const bool inside = x0 + k >= 0 && x0 + k < PICTURE_W && y0 + r >= 0 &&
                                        y0 + r < PICTURE_H;
                    if (inside)
                        plain[(y0 + r) * PICTURE_W + x0 + k] = GlyphPixel(glyph, k, r) ? fg : ~fg;
                }
            }
        }
        ASSERT_EQ(fast, plain) << "glyph " << code;
    }
}

TEST(Font, IsCodePage437InItsVgaForm) {
    const uint32_t glyphs[] = {0, 3, 4, 5, 65, 196, 218, 219};
    const char* const shapes[] = {  // a byte a pixel row, bit 0 leftmost
        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
        "00 00 00 00 36 7F 7F 7F 7F 3E 1C 08 00 00 00 00",
        "00 00 00 00 08 1C 3E 7F 3E 1C 08 00 00 00 00 00",
        "00 00 00 18 3C 3C E7 E7 E7 18 18 3C 00 00 00 00",
        "00 00 08 1C 36 63 63 7F 63 63 63 63 00 00 00 00",
        "00 00 00 00 00 00 00 FF 00 00 00 00 00 00 00 00",
        "00 00 00 00 00 00 00 F8 18 18 18 18 18 18 18 18",
        "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
    };
    for (int32_t i = 0; i < 8; ++i) {
        std::string rows;
        for (int32_t r = 0; r < 16; ++r) {
            int32_t row = 0;
            for (int32_t k = 0; k < 8; ++k)
                row |= GlyphPixel(glyphs[i], k, r) << k;
            char hex[4];
            snprintf(hex, sizeof(hex), r ? " %02X" : "%02X", row);
            rows += hex;
        }
        EXPECT_EQ(rows, shapes[i]) << "glyph " << glyphs[i];
    }
}

TEST(Ui, BoxesAndTextsAreCutOffAtTheEdgesOfTheScreen) {
    TestDisplay display;
    ascii_box(display.ctx, -2, 0, 3, 2, 0, 7);  // no corners of its own at the left edge
    ascii_box(display.ctx, 8, 0, 9, 1, 0, 7);   // a box of one cell
    display.ctx->left_margin = 2;
    UiCtx ui = {display.ctx, {37, -1}, true, true};
    ascii_set_cursor(display.ctx, 37, -1);
    EXPECT_FALSE(ui_button(&ui, "OK", 0, 3)) << "above the first row";
    ui.mouse = {2, 0};
    EXPECT_TRUE(ui_button(&ui, "<>", 0, 3)) << "then at the margin of the first";
    ui.mouse = {37, 24};
    ascii_set_cursor(display.ctx, 37, 24);
    EXPECT_FALSE(ui_button(&ui, "OK", 0, 3)) << "on the last row";
    EXPECT_EQ(display.Rows(0, 24), "\n──<>    ┌\n──┘" + std::string(23, '\n'));
}

// The message goes to standard output, which a death test does not watch: the dying process
// sends it to standard error.
static void Dying(void (*dies)()) {
    dup2(fileno(stderr), fileno(stdout));
    dies();
}

TEST(Assertion, AViolatedPreconditionStopsTheProgramNamingTheExpression) {
    EXPECT_DEATH(Dying([] { Random().Next(); }),
                 "^Assert failed: \\(seed\\) in .*random\\.cpp at line .*");
    EXPECT_DEATH(Dying([] { ascii_get_ctx(); }), "^Assert failed: \\(g_ascii_ctx\\) in ");
    EXPECT_DEATH(Dying([] {
                     TestDisplay display;
                     ascii_set_color(display.ctx, 16, 0);
                     ascii_put_char(display.ctx, 'a');
                 }),
                 "^Assert failed: \\(ctx->color < 16\\) in ");
}
