// The glyph rasteriser and its constant data: the 8x16 code page 437 font as a 1-bit atlas,
// the 16-colour palette and the clip rectangle (the whole frame buffer).
#pragma once

#include <cstdint>

#include "ascii/ascii.h"

// Atlas: 256 x 128 pixels, 8 words of 32 bits a row, top row first; pixel x of a row is bit
// (x mod 32) of word (x / 32), bit 0 leftmost. Glyph c is the 8x16 block at
// ((c mod 32) * 8, (c / 32) * 16), so in bytes row r of glyph c is byte ((c/32)*16 + r)*32 + c%32.
struct AsciiFont
{
    int32_t chr_width;
    int32_t chr_height;
    uint32_t atlas[1024];
};

struct ClipRect
{
    int32_t left, top, right, bottom;  // right and bottom exclusive
};

extern const AsciiFont g_ascii_font;
extern const uint32_t g_palette[16];
extern const ClipRect g_clip_rect;

// The font has no glyph above 255: such code points (from 4-byte UTF-8, malformed input or a
// direct put) all show glyph 254, the small filled square, so they stand out as "no glyph" and
// the atlas is never read past its end.
constexpr uint32_t ASCII_REPLACEMENT_GLYPH = 254;

// Draws glyph `code` with its top-left pixel at (x0, y0); every pixel of the cell inside the
// clip rectangle is written, set bits in fg and clear bits in bg. Code points above 255 draw
// ASCII_REPLACEMENT_GLYPH.
void ascii_raster_glyph(uint32_t* frame_buffer, int32_t x0, int32_t y0, uint32_t code,
                        uint32_t fg, uint32_t bg);
