// Display contexts and text: the cursor and margin rules, wrapping, UTF-8 decoding (including
// malformed and truncated input), measuring, flashing colours, clearing, formatted output and
// its buffer limit, the current-context family and the assertions that guard all of it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ascii/raster.h"
#include "support/assert_death.h"
#include "support/screen_reader.h"
#include "support/test_display.h"

// A copy of the bytes at the very end of a heap block of exactly their size, so that reading one
// byte past them is caught by AddressSanitizer.
struct ExactBlock
{
    char* bytes;
    size_t size;
    explicit ExactBlock(const std::string& text)
        : bytes(static_cast<char*>(malloc(text.size()))), size(text.size())
    {
        if (size)
            memcpy(bytes, text.data(), size);
    }
    ExactBlock(const ExactBlock&) = delete;
    ExactBlock& operator=(const ExactBlock&) = delete;
    ~ExactBlock() { free(bytes); }
    const char* end() const { return bytes + size; }
};

static void write_text(AsciiCtx* ctx, const std::string& text)
{
    ExactBlock block(text);
    ascii_write(ctx, block.bytes, block.end());
}

TEST(AsciiContext, StartsEmptyInGreyOnBlackAtTheTopLeft)
{
    TestDisplay display;
    const AsciiCtx* ctx = display.ctx;
    EXPECT_EQ(ctx->pixels, display.frame.data());
    EXPECT_EQ(ctx->pixel_count, 256000);
    EXPECT_EQ(ctx->size.x, 80);
    EXPECT_EQ(ctx->size.y, 25);
    EXPECT_EQ(ctx->cursor.x, 0);
    EXPECT_EQ(ctx->cursor.y, 0);
    EXPECT_EQ(ctx->left_margin, 0);
    EXPECT_EQ(ctx->color, 7);
    EXPECT_EQ(ctx->bg_color, 0);
    EXPECT_EQ(ctx->frame, 0);
    for (int32_t i = 0; i < 80 * 25; ++i)
        ASSERT_EQ(ctx->char_data[i], 0u) << i;
    for (char byte : ctx->print_buffer)
        ASSERT_EQ(byte, 0);
}

TEST(AsciiContext, DestroyClearsThePointerAndIgnoresANullOne)
{
    OutputState output = {nullptr, 0};
    AsciiCtx* ctx = ascii_create(&output);
    ascii_destroy(&ctx);
    EXPECT_EQ(ctx, nullptr);
    ascii_destroy(&ctx);
    EXPECT_EQ(ctx, nullptr);
}

TEST(AsciiText, NewlineReturnsToTheLeftMargin)
{
    TestDisplay display;
    display.ctx->left_margin = 2;
    ascii_set_cursor(display.ctx, 5, 3);
    write_text(display.ctx, "AB\nD");
    EXPECT_EQ(display.cell(5, 3), uint32_t('A'));
    EXPECT_EQ(display.cell(6, 3), uint32_t('B'));
    EXPECT_EQ(display.cell(7, 3), 0u) << "a newline puts nothing";
    EXPECT_EQ(display.cell(2, 4), uint32_t('D'));
    EXPECT_EQ(display.ctx->cursor.x, 3);
    EXPECT_EQ(display.ctx->cursor.y, 4);

    const ScreenReading screen = read_screen(display.frame.data());
    EXPECT_EQ(screen_row_text(screen, 3, 5, 7), "AB");
    EXPECT_EQ(screen_row_text(screen, 4, 2, 3), "D");
    EXPECT_EQ(display.pixel(7 * 8, 3 * 16), UNTOUCHED_PIXEL);
}

TEST(AsciiText, TheEightiethCharacterWrapsRightAfterItIsDrawn)
{
    TestDisplay display;
    display.ctx->left_margin = 4;
    ascii_set_cursor(display.ctx, 78, 2);
    ascii_put_char(display.ctx, 'x');
    EXPECT_EQ(display.ctx->cursor.x, 79);
    EXPECT_EQ(display.ctx->cursor.y, 2);
    ascii_put_char(display.ctx, 'y');
    EXPECT_EQ(display.cell(79, 2), uint32_t('y'));
    EXPECT_EQ(display.ctx->cursor.x, 4);
    EXPECT_EQ(display.ctx->cursor.y, 3);
}

TEST(AsciiText, WriteLineAddsANewlineOnlyAwayFromColumnZero)
{
    struct Case
    {
        const char* text;
        int32_t column, margin;
        int32_t expected_x, expected_y;
    };
    const std::string full_row(80, '=');
    const Case cases[] = {
        {"", 0, 0, 0, 7},
        {"", 0, 3, 0, 7},  // column 0 is the test, not the margin
        {"", 5, 3, 3, 8},
        {nullptr, 5, 0, 0, 8},
        {"abc", 5, 2, 2, 8},
        {full_row.c_str(), 0, 0, 0, 8},  // wrapped already; no second newline
        {"a\n", 10, 0, 0, 8},
    };
    for (const Case& c : cases)
    {
        TestDisplay display;
        display.ctx->left_margin = c.margin;
        ascii_set_cursor(display.ctx, c.column, 7);
        ascii_write_line(display.ctx, c.text);
        EXPECT_EQ(display.ctx->cursor.x, c.expected_x) << (c.text ? c.text : "null") << " at " << c.column;
        EXPECT_EQ(display.ctx->cursor.y, c.expected_y) << (c.text ? c.text : "null") << " at " << c.column;
    }
}

TEST(AsciiText, MeasuresWidestLineAndLineCount)
{
    struct Case
    {
        std::string text;
        int32_t x, y;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"abc", 3, 1},
        {"abc\n", 3, 2},
        {"a\nbcd\ne", 3, 3},
        {"\xC3\xA9", 1, 1},
        {"\n\n", 0, 3},
        {"\x01\x02\t", 3, 1},  // control characters count a column each
        {std::string(200, 'w'), 200, 1},  // no wrapping at the screen's width
    };
    for (const Case& c : cases)
    {
        ExactBlock block(c.text);
        const Vec2i size = ascii_measure(nullptr, block.bytes, block.end());
        EXPECT_EQ(size.x, c.x) << c.text;
        EXPECT_EQ(size.y, c.y) << c.text;
    }
}

TEST(AsciiUtf8, DecodesOneSequenceByTable)
{
    struct Case
    {
        std::string bytes;
        uint32_t code;
        ptrdiff_t advance;
    };
    const Case cases[] = {
        {"A", 'A', 1},
        {"\x7F", 0x7F, 1},
        {"\xC3\xA9", 233, 2},
        {"\xE2\x94\x80", 0x2500, 3},
        {"\xF0\x9F\x82\xA1", 0x1F0A1, 4},
        {"\xC0\x80", 0, 2},                           // overlong forms are not rejected
        {"\xED\xA0\x80", 0xD800, 3},                  // nor surrogates
        {"\xF7\xBF\xBF\xBF", 0x1FFFFF, 4},            // nor values past U+10FFFF
        {"\xC3\x29", 0xE9, 2},                        // a tail byte without its 10 prefix
        {std::string("\x80\x81\x82\x83", 4), 0x1083, 1},  // invalid lead: the next three tails
        {"\xF8\x81\x82\x83", 0x1083, 1},
        {"\xBF", 0, 1},
        {"\xC3", 0xC0, 1},                            // cut short: zeros, and stops at the end
        {"\xE2\x94", 0x2500, 2},
        {"\xF0\x9F\x82", 0x1F080, 3},
    };
    for (const Case& c : cases)
    {
        ExactBlock block(c.bytes);
        uint32_t code = 0xDEADBEEF;
        const char* next = utf8_decode(block.bytes, block.end(), &code);
        const int lead = uint8_t(c.bytes[0]);
        EXPECT_EQ(code, c.code) << c.bytes.size() << " bytes from " << lead;
        EXPECT_EQ(next - block.bytes, c.advance) << c.bytes.size() << " bytes from " << lead;
    }
}

TEST(AsciiUtf8, MalformedAndTruncatedInputIsWrittenAsDecoded)
{
    struct Case
    {
        std::string bytes;
        std::vector<uint32_t> cells;
    };
    const Case cases[] = {
        {"\xC3\xA9", {233}},  // the code page 437 shape, not an accented letter
        {"A\x80", {'A', 0}},
        {"A\xC3", {'A', 0xC0}},
        {"A\xE2\x94", {'A', 0x2500}},
        {"A\xF0\x9F\x82", {'A', 0x1F080}},
        {"\xF0", {0}},
        {"\x80\x41\x42", {0x1080, 'A', 'B'}},
    };
    for (const Case& c : cases)
    {
        TestDisplay display;
        ascii_set_color(display.ctx, 0, 7);
        write_text(display.ctx, c.bytes);
        EXPECT_EQ(display.ctx->cursor.x, int32_t(c.cells.size())) << "after " << c.bytes.size() << " bytes";
        for (size_t i = 0; i < c.cells.size(); ++i)
        {
            EXPECT_EQ(display.cell(int32_t(i), 0), c.cells[i]) << "cell " << i;
            const uint32_t glyph = c.cells[i] > 255 ? ASCII_REPLACEMENT_GLYPH : c.cells[i];
            const ScreenCell cell = read_cell(display.frame.data(), int32_t(i), 0, 7);
            EXPECT_EQ(cell.glyph, glyph == 0 ? 32 : int32_t(glyph)) << "cell " << i;
            EXPECT_EQ(cell.bg, 7);
        }
    }
}

TEST(AsciiFlash, FirstHalfOfEverySixtyFramesShowsTheSecondPair)
{
    struct Case
    {
        int32_t frame;
        bool second_pair;
    };
    const Case cases[] = {{0, true},   {29, true},  {30, false}, {59, false}, {60, true},
                          {89, true},  {90, false}, {-1, true},  {-30, true}, {-59, true}};
    for (const Case& c : cases)
    {
        TestDisplay display;
        display.ctx->frame = c.frame;
        ascii_set_flash_color(display.ctx, 4, 3, 12, 0);
        EXPECT_EQ(display.ctx->color, c.second_pair ? 12 : 4) << "frame " << c.frame;
        EXPECT_EQ(display.ctx->bg_color, c.second_pair ? 0 : 3) << "frame " << c.frame;
    }
}

TEST(AsciiClear, FillsExactlyPixelCountInTheBackgroundAndKeepsTheRest)
{
    for (int32_t count : {256000, 1000, 300, 640, 1})
    {
        TestDisplay display;
        ascii_set_cursor(display.ctx, 4, 5);
        ascii_put_char(display.ctx, 'Q');
        ascii_set_color(display.ctx, 9, 3);
        display.ctx->pixel_count = count;
        const std::vector<uint32_t> before = display.frame;
        ascii_clear(display.ctx);
        for (int32_t i = 0; i < PICTURE_W * PICTURE_H; ++i)
            ASSERT_EQ(display.frame[size_t(i)], i < count ? g_palette[3] : before[size_t(i)])
                << "pixel " << i << " of " << count;
        EXPECT_EQ(display.ctx->cursor.x, 5);
        EXPECT_EQ(display.ctx->cursor.y, 5);
        EXPECT_EQ(display.ctx->color, 9);
        EXPECT_EQ(display.ctx->bg_color, 3);
        EXPECT_EQ(display.cell(4, 5), uint32_t('Q'));
    }
}

TEST(AsciiPrintf, FormatsIntoTheBufferAndWritesLikePlainText)
{
    TestDisplay display;
    display.ctx->left_margin = 1;
    ascii_set_cursor(display.ctx, 1, 1);
    ascii_printf(display.ctx, "Mines: %d\n%s", 9, "\x03");
    EXPECT_STREQ(display.ctx->print_buffer, "Mines: 9\n\x03");
    const ScreenReading screen = read_screen(display.frame.data());
    EXPECT_EQ(screen_row_text(screen, 1, 1, 9), "Mines: 9");
    EXPECT_EQ(screen_row_text(screen, 2, 1, 2), "♥");
    EXPECT_EQ(display.ctx->cursor.x, 2);
    EXPECT_EQ(display.ctx->cursor.y, 2);
}

TEST(AsciiPrintf, EmptyResultWritesNothing)
{
    TestDisplay display;
    ascii_set_cursor(display.ctx, 3, 4);
    ascii_printf(display.ctx, "%s", "");
    EXPECT_EQ(display.ctx->cursor.x, 3);
    EXPECT_EQ(display.ctx->cursor.y, 4);
    EXPECT_EQ(display.ctx->print_buffer[0], 0);
    for (uint32_t pixel : display.frame)
        ASSERT_EQ(pixel, UNTOUCHED_PIXEL);
}

// The formatter reports the length the whole text would have had; only the 3072 stored
// characters may be written, and the terminator must stay inside the buffer.
TEST(AsciiPrintf, OutputPastTheBufferIsCutAtItsCapacity)
{
    struct Case
    {
        size_t newlines;
        int32_t expected_rows;
    };
    const Case cases[] = {{3071, 3071}, {3072, 3072}, {3073, 3072}, {10000, 3072}};
    for (const Case& c : cases)
    {
        TestDisplay display;
        ascii_printf(display.ctx, "%s", std::string(c.newlines, '\n').c_str());
        EXPECT_EQ(display.ctx->cursor.y, c.expected_rows) << c.newlines << " newlines";
        EXPECT_EQ(strlen(display.ctx->print_buffer), size_t(c.expected_rows));
    }

    // Four-byte sequences fit 768 to the buffer: the cut falls inside the last one, which is then
    // decoded with zeros like any truncated sequence.
    TestDisplay display;
    std::string cards = "x";
    for (int32_t i = 0; i < 1000; ++i)
        cards += "\xF0\x9F\x82\xA1";
    ascii_printf(display.ctx, "%s", cards.c_str());
    EXPECT_EQ(display.ctx->print_buffer[PRINT_BUFFER_CAPACITY], 0);
    EXPECT_EQ(strlen(display.ctx->print_buffer), size_t(PRINT_BUFFER_CAPACITY));
    EXPECT_EQ(display.ctx->char_data[0], uint32_t('x'));
    EXPECT_EQ(display.ctx->char_data[767], 0x1F0A1u);
    EXPECT_EQ(display.ctx->char_data[768], 0x1F080u);
    EXPECT_EQ(display.ctx->char_data[769], 0u);
    EXPECT_EQ(display.ctx->cursor.x, 769 % 80);
    EXPECT_EQ(display.ctx->cursor.y, 769 / 80);
}

TEST(AsciiCurrentContext, ShortFamilyActsOnTheCurrentContext)
{
    TestDisplay other;
    TestDisplay display;
    ascii_set_ctx(display.ctx);
    EXPECT_EQ(ascii_get_ctx(), display.ctx);

    set_color(0, 3);
    clear_screen();
    EXPECT_EQ(display.pixel(639, 399), g_palette[3]);
    set_cursor(10, 2);
    put_char('K');
    print("%d", 42);
    display.ctx->frame = 45;
    set_flash_color(5, 3, 13, 3);
    put_char('!');

    EXPECT_EQ(display.cell(10, 2), uint32_t('K'));
    EXPECT_EQ(display.cell(11, 2), uint32_t('4'));
    EXPECT_EQ(display.cell(12, 2), uint32_t('2'));
    EXPECT_EQ(display.cell(13, 2), uint32_t('!'));
    EXPECT_EQ(read_cell(display.frame.data(), 13, 2).fg, 5);
    EXPECT_EQ(other.cell(10, 2), 0u);
    EXPECT_EQ(other.pixel(0, 0), UNTOUCHED_PIXEL);

    ascii_set_ctx(nullptr);
    EXPECT_EQ(g_ascii_ctx, nullptr);
}

TEST(AsciiDeathTest, ContractViolationsStopWithTheirExpression)
{
    struct Case
    {
        const char* name;
        const char* expression;
        void (*violate)(AsciiCtx* ctx);
    };
    const Case cases[] = {
        {"colour 16, then a character", "ctx->color < 16",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, 16, 0); ascii_put_char(ctx, 'a'); }},
        {"negative colour", "ctx->color >= 0",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, -1, 0); ascii_put_char(ctx, 'a'); }},
        {"background 16", "ctx->bg_color < 16",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, 0, 16); ascii_put_char(ctx, 'a'); }},
        {"negative background", "ctx->bg_color >= 0",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, 0, -3); ascii_put_char(ctx, 'a'); }},
        {"clear in background 16", "ctx->bg_color < 16",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, 0, 16); ascii_clear(ctx); }},
        {"clear in a negative background", "ctx->bg_color >= 0",
         [](AsciiCtx* ctx) { ascii_set_color(ctx, 0, -1); ascii_clear(ctx); }},
        {"a character below the last row", "char_pos < (ctx->size.x * ctx->size.y)",
         [](AsciiCtx* ctx) { ascii_set_cursor(ctx, 0, 25); ascii_put_char(ctx, 'a'); }},
        {"wrapping past the last row", "char_pos < (ctx->size.x * ctx->size.y)",
         [](AsciiCtx* ctx) { ascii_set_cursor(ctx, 79, 24); ascii_write_str(ctx, "ab"); }},
        {"a character above the first row", "char_pos >= 0",
         [](AsciiCtx* ctx) { ascii_set_cursor(ctx, 3, -1); ascii_put_char(ctx, 'a'); }},
        {"no cell array", "ctx->char_data",
         [](AsciiCtx* ctx) { free(ctx->char_data); ctx->char_data = nullptr; ascii_put_char(ctx, 'a'); }},
        {"write_line without a context", "ctx", [](AsciiCtx*) { ascii_write_line(nullptr, "a"); }},
        {"printf without a context", "ctx", [](AsciiCtx*) { ascii_printf(nullptr, "%d", 1); }},
        {"no current context", "g_ascii_ctx", [](AsciiCtx*) { ascii_set_ctx(nullptr); ascii_get_ctx(); }},
        {"short family without a context", "g_ascii_ctx", [](AsciiCtx*) { ascii_set_ctx(nullptr); put_char('a'); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TestDisplay display;
        EXPECT_ASSERT_DEATH(c.violate(display.ctx), c.expression);
    }
}
