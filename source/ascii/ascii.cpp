// Display contexts: their life, cursor and colours, writing one character (rasterised at once
// and recorded in the cell array), UTF-8 text, measuring text, and the short family that acts on
// the current context. Formatted output lives in ascii_printf.cpp, the pixels of a glyph in
// raster.cpp; boxes and clickable text build on this in ui.cpp.
#include "ascii/ascii.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#ifdef _WIN32
#include <intrin.h>
#endif

#include "ascii/raster.h"
#include "main/assertion.h"

AsciiCtx* g_ascii_ctx = nullptr;
PictureRecord g_picture_record = {};

static constexpr int32_t DEFAULT_COLOR = 7;
static constexpr int32_t DEFAULT_BG_COLOR = 0;
static constexpr uint32_t NEWLINE = 10;
static constexpr int32_t FLASH_PERIOD = 60;       // frames of one bright-and-dim cycle
static constexpr int32_t FLASH_FIRST_PHASE = 30;  // frames of it that show the second pair

// UTF-8 by table: the sequence length from the top five bits of the lead byte (0 for a
// continuation byte or an invalid lead), the lead byte's payload mask and the shift that drops
// the unused low parts of a fixed four-byte assembly.
static const uint8_t LENGTHS[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                    0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 3, 3, 4, 0};
static const uint8_t MASK[] = {0x00, 0x7F, 0x1F, 0x0F, 0x07};
static const uint8_t SHIFTC[] = {0, 18, 12, 6, 0};
static constexpr uint32_t TAIL_MASK = 0x3F;
static constexpr int32_t UTF8_MAX_BYTES = 4;

AsciiCtx* ascii_create(OutputState* output)
{
    AsciiCtx* ctx = new AsciiCtx();
    ctx->pixels = output->frame_buffer;
    ctx->pixel_count = PICTURE_W * PICTURE_H;
    ctx->size = {ASCII_COLUMNS, ASCII_ROWS};
    ctx->char_data =
        static_cast<uint32_t*>(calloc(size_t(ASCII_COLUMNS * ASCII_ROWS), sizeof(uint32_t)));
    ctx->color = DEFAULT_COLOR;
    ctx->bg_color = DEFAULT_BG_COLOR;
    return ctx;
}

void ascii_destroy(AsciiCtx** ctx)
{
    if (!*ctx)
        return;
    // The buffer may be freed and another one allocated in its place.
    if ((*ctx)->pixels == g_picture_record.pixels)
        g_picture_record.pixels = nullptr;
    free((*ctx)->char_data);
    delete *ctx;
    *ctx = nullptr;
}

void ascii_set_cursor(AsciiCtx* ctx, int32_t column, int32_t row)
{
    ctx->cursor = {column, row};
}

void ascii_newline(AsciiCtx* ctx)
{
    ctx->cursor.x = ctx->left_margin;
    ctx->cursor.y += 1;
}

// The cursor may be set anywhere, and a cell far off the picture would overflow the pixel
// arithmetic; every origin beyond the clip rectangle draws nothing, so it is pinned just outside.
static int32_t cell_origin(int32_t cell, int32_t cell_size, int32_t low, int32_t high)
{
    const int64_t pixel = int64_t(cell) * cell_size;
    if (pixel < int64_t(low) - cell_size)
        return low - cell_size;
    if (pixel > high)
        return high;
    return int32_t(pixel);
}

void ascii_put_char(AsciiCtx* ctx, uint32_t code)
{
    ASSERT(ctx->color >= 0);
    ASSERT(ctx->color < 16);
    ASSERT(ctx->bg_color >= 0);
    ASSERT(ctx->bg_color < 16);

    const int32_t x0 = cell_origin(ctx->cursor.x, ASCII_W, g_clip_rect.left, g_clip_rect.right);
    const int32_t y0 = cell_origin(ctx->cursor.y, ASCII_H, g_clip_rect.top, g_clip_rect.bottom);
    ascii_raster_glyph(ctx->pixels, x0, y0, code, g_palette[ctx->color], g_palette[ctx->bg_color]);

    ASSERT(ctx->char_data);
    const int64_t char_pos = int64_t(ctx->cursor.y) * ctx->size.x + ctx->cursor.x;
    ASSERT(char_pos >= 0);
    ASSERT(char_pos < (ctx->size.x * ctx->size.y));
    ctx->char_data[char_pos] = code;
    const bool on_screen = uint32_t(ctx->cursor.x) < uint32_t(ASCII_COLUMNS) &&
                           uint32_t(ctx->cursor.y) < uint32_t(ASCII_ROWS);
    if (ctx->pixels == g_picture_record.pixels && on_screen)
        g_picture_record.cells[ctx->cursor.y][ctx->cursor.x] = {code, ctx->color, ctx->bg_color,
                                                                1, 0};

    // Compared before the step: a cursor in the last column a 32-bit number can name wraps too.
    if (ctx->cursor.x >= ctx->size.x - 1)
        ascii_newline(ctx);
    else
        ctx->cursor.x += 1;
}

// A plain loop of unknown length stays one pixel at a time, several times slower than a memset;
// the C library fills 32-bit values as fast as memset fills bytes: wmemset where wchar_t is 32
// bits wide, and __stosd on Windows, where it is 16.
static void fill_pixels(uint32_t* pixels, uint32_t value, int32_t count)
{
#ifdef _WIN32
    __stosd(reinterpret_cast<unsigned long*>(pixels), value, size_t(count));
#else
    static_assert(sizeof(wchar_t) == sizeof(uint32_t), "wmemset fills 32-bit pixels");
    wmemset(reinterpret_cast<wchar_t*>(pixels), wchar_t(value), size_t(count));
#endif
}

// A recorded picture on the same background differs from the cleared one only in the cells
// drawn since its last clear: a board frame repaints some 300 of the 2,000, and each run of
// them on a row is filled one pixel row at a time.
static void clear_drawn_cells(uint32_t* pixels, const PictureRecord& record)
{
    for (int32_t row = 0; row < ASCII_ROWS; ++row)
        for (int32_t column = 0, end = 0; column < ASCII_COLUMNS; column = end + 1)
        {
            for (end = column; end < ASCII_COLUMNS && record.cells[row][end].drawn; ++end)
                continue;
            for (int32_t y = row * ASCII_H; end > column && y < (row + 1) * ASCII_H; ++y)
                fill_pixels(pixels + y * PICTURE_W + column * ASCII_W, record.background,
                            (end - column) * ASCII_W);
        }
}

void ascii_clear(AsciiCtx* ctx)
{
    ASSERT(ctx->bg_color >= 0);
    ASSERT(ctx->bg_color < 16);
    const uint32_t value = g_palette[ctx->bg_color];
    const bool whole = ctx->pixel_count == PICTURE_W * PICTURE_H;
    if (whole && ctx->pixels == g_picture_record.pixels && value == g_picture_record.background)
        clear_drawn_cells(ctx->pixels, g_picture_record);
    else
        fill_pixels(ctx->pixels, value, ctx->pixel_count);
    if (whole)
    {
        g_picture_record.pixels = ctx->pixels;
        g_picture_record.background = value;
        memset(g_picture_record.cells, 0, sizeof(g_picture_record.cells));
    }
    else if (ctx->pixels == g_picture_record.pixels)
    {
        g_picture_record.pixels = nullptr;
    }
}

bool ascii_same_picture(const PictureRecord& a, const PictureRecord& b)
{
    return a.background == b.background && memcmp(a.cells, b.cells, sizeof(a.cells)) == 0;
}

void ascii_set_color(AsciiCtx* ctx, int32_t fg, int32_t bg)
{
    ctx->color = int8_t(fg);
    ctx->bg_color = int8_t(bg);
}

void ascii_set_flash_color(AsciiCtx* ctx, int32_t fg1, int32_t bg1, int32_t fg2, int32_t bg2)
{
    if (ctx->frame % FLASH_PERIOD < FLASH_FIRST_PHASE)
        ascii_set_color(ctx, fg2, bg2);
    else
        ascii_set_color(ctx, fg1, bg1);
}

const char* utf8_decode(const char* position, const char* end, uint32_t* code)
{
    const ptrdiff_t available = end - position;
    uint8_t b[UTF8_MAX_BYTES];
    for (int32_t i = 0; i < UTF8_MAX_BYTES; ++i)
        b[i] = i < available ? uint8_t(position[i]) : 0;

    const uint8_t len = LENGTHS[b[0] >> 3];
    const uint32_t assembled = (uint32_t(b[0] & MASK[len]) << 18) |
                               (uint32_t(b[1] & TAIL_MASK) << 12) |
                               (uint32_t(b[2] & TAIL_MASK) << 6) | uint32_t(b[3] & TAIL_MASK);
    *code = assembled >> SHIFTC[len];

    // A sequence cut short by end stops at end, so the result is always a valid position.
    const ptrdiff_t step = len + (len == 0);
    return position + (step < available ? step : available);
}

void ascii_write(AsciiCtx* ctx, const char* begin, const char* end)
{
    const char* position = begin;
    while (position < end)
    {
        uint32_t code;
        position = utf8_decode(position, end, &code);
        if (code == NEWLINE)
            ascii_newline(ctx);
        else
            ascii_put_char(ctx, code);
    }
}

void ascii_write_str(AsciiCtx* ctx, const char* text)
{
    if (!text)
        return;
    ascii_write(ctx, text, text + strlen(text));
}

void ascii_write_line(AsciiCtx* ctx, const char* text)
{
    ASSERT(ctx);
    ascii_write_str(ctx, text);
    if (ctx->cursor.x != 0)
        ascii_newline(ctx);
}

Vec2i ascii_measure(AsciiCtx*, const char* begin, const char* end)
{
    Vec2i result = {0, 0};
    if (begin == end)
        return result;
    int32_t newlines = 0;
    int32_t widest = 0;
    int32_t running = 0;
    const char* position = begin;
    while (position < end)
    {
        uint32_t code;
        position = utf8_decode(position, end, &code);
        if (code == NEWLINE)
        {
            newlines += 1;
            if (running > widest)
                widest = running;
            running = 0;
        }
        else
        {
            running += 1;
        }
    }
    if (running > widest)
        widest = running;
    result.x = widest;
    result.y = newlines + 1;
    return result;
}

void ascii_set_ctx(AsciiCtx* ctx)
{
    g_ascii_ctx = ctx;
}

AsciiCtx* ascii_get_ctx()
{
    ASSERT(g_ascii_ctx);
    return g_ascii_ctx;
}

void set_cursor(int32_t column, int32_t row)
{
    ascii_set_cursor(ascii_get_ctx(), column, row);
}

void put_char(uint32_t code)
{
    ascii_put_char(ascii_get_ctx(), code);
}

void set_color(int32_t fg, int32_t bg)
{
    ascii_set_color(ascii_get_ctx(), fg, bg);
}

void set_flash_color(int32_t fg1, int32_t bg1, int32_t fg2, int32_t bg2)
{
    ascii_set_flash_color(ascii_get_ctx(), fg1, bg1, fg2, bg2);
}

void clear_screen()
{
    ascii_clear(ascii_get_ctx());
}
