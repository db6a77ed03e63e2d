// The character screen: display contexts that put 80 x 25 cells of code page 437 glyphs over the
// 640 x 400 frame buffer, with a cursor, a left margin, colour indices into the palette and a
// frame counter for flashing. Writing a character rasterises it at once; the cell array only
// records what was written. Text arrives as UTF-8; each code point picks the glyph of the same
// number. A short family of operations (set_cursor, put_char, ...) acts on the current context.
#pragma once

#include <cstdarg>
#include <cstdint>

#include "main/frame_io.h"

struct Vec2i
{
    int32_t x;
    int32_t y;
};

constexpr int32_t ASCII_W = 8;    // glyph width in pixels
constexpr int32_t ASCII_H = 16;   // glyph height in pixels
constexpr int32_t ASCII_COLUMNS = PICTURE_W / ASCII_W;
constexpr int32_t ASCII_ROWS = PICTURE_H / ASCII_H;
constexpr int32_t PRINT_BUFFER_CAPACITY = 3072;  // characters, plus the terminating zero

struct AsciiCtx
{
    uint32_t* pixels;      // the frame buffer it draws into; not owned
    int32_t pixel_count;   // pixels that ascii_clear fills
    uint32_t* char_data;   // size.x * size.y code points, row-major; owned
    Vec2i size;            // grid size in cells
    Vec2i cursor;          // where the next character goes; not range-checked when set
    int32_t left_margin;   // the column a newline returns to
    int8_t color;          // foreground colour index, valid 0..15
    int8_t bg_color;       // background colour index, valid 0..15
    int32_t frame;         // flashing clock, advanced by the context's owner once per drawn frame
    char print_buffer[PRINT_BUFFER_CAPACITY + 1];
};

extern AsciiCtx* g_ascii_ctx;

// The picture as the display drew it: the colour the whole frame buffer was last cleared to, and
// per cell the glyph drawn there last since, in its colours. Glyphs cover whole cells and nothing
// else writes the frame buffer, so two equal records stand for two byte-identical pictures: the
// shell compares these 16 KB instead of the picture's megabyte to know whether a picture needs
// sending again, and a clear to the same colour repaints only the cells drawn. It follows the
// frame buffer last cleared whole; a smaller clear of that buffer, or the end of a context over
// it, leaves it unknown until the next whole clear.
struct PictureCell
{
    uint32_t code;  // as written; a cell not drawn since the clear is all zero
    int8_t color;
    int8_t bg_color;
    uint8_t drawn;
    uint8_t unused;  // zero, so that records compare byte by byte
};

struct PictureRecord
{
    const uint32_t* pixels;  // the frame buffer recorded; null while unknown
    uint32_t background;
    PictureCell cells[ASCII_ROWS][ASCII_COLUMNS];
};

extern PictureRecord g_picture_record;

// Whether two records of the same frame buffer stand for the same picture.
bool ascii_same_picture(const PictureRecord& a, const PictureRecord& b);

AsciiCtx* ascii_create(OutputState* output);
void ascii_destroy(AsciiCtx** ctx);

void ascii_set_cursor(AsciiCtx* ctx, int32_t column, int32_t row);
void ascii_newline(AsciiCtx* ctx);
void ascii_put_char(AsciiCtx* ctx, uint32_t code);
void ascii_clear(AsciiCtx* ctx);
void ascii_set_color(AsciiCtx* ctx, int32_t fg, int32_t bg);
void ascii_set_flash_color(AsciiCtx* ctx, int32_t fg1, int32_t bg1, int32_t fg2, int32_t bg2);
void ascii_write(AsciiCtx* ctx, const char* begin, const char* end);
void ascii_write_str(AsciiCtx* ctx, const char* text);
void ascii_write_line(AsciiCtx* ctx, const char* text);
void ascii_vprintf(AsciiCtx* ctx, const char* format, va_list args);
void ascii_printf(AsciiCtx* ctx, const char* format, ...);
Vec2i ascii_measure(AsciiCtx* ctx, const char* begin, const char* end);
const char* utf8_decode(const char* position, const char* end, uint32_t* code);

// The current context.
void ascii_set_ctx(AsciiCtx* ctx);
AsciiCtx* ascii_get_ctx();
void set_cursor(int32_t column, int32_t row);
void put_char(uint32_t code);
void set_color(int32_t fg, int32_t bg);
void set_flash_color(int32_t fg1, int32_t bg1, int32_t fg2, int32_t bg2);
void clear_screen();
void print(const char* format, ...);
