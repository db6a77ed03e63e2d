// The glyph rasteriser: turns one character cell into 8x16 opaque pixels of the frame buffer,
// clipped to g_clip_rect. Which cell and which colours is the display context's business
// (ascii.cpp); the font and palette are constant tables of their own files.
//
// A frame draws about 300 glyphs after a full clear, so a glyph row is written from a table
// that turns the row's font byte into eight whole-pixel masks, and clipping is decided once per
// cell (wholly inside, the common case) or as a range of rows and columns, not once per pixel.
#include "ascii/raster.h"

#include <algorithm>

#include "main/assertion.h"

// The atlas is read a byte per glyph row, which is its word layout only on little-endian machines.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the font atlas is read as little-endian bytes"
#endif

static constexpr int32_t ATLAS_ROW_BYTES = 256 / 8;
static constexpr int32_t GLYPH_COUNT = 256;

struct RowMasks
{
    alignas(32) uint32_t masks[256][ASCII_W];  // all ones where the font byte has the pixel set
};

static constexpr RowMasks make_row_masks()
{
    RowMasks table{};
    for (int32_t byte = 0; byte < 256; ++byte)
        for (int32_t k = 0; k < ASCII_W; ++k)
            table.masks[byte][k] = ((byte >> k) & 1) ? 0xFFFFFFFFu : 0u;
    return table;
}

static constexpr RowMasks ROW_MASKS = make_row_masks();

// Where the toolchain can pick a function's variant by processor at load time, an AVX2 one
// writes a glyph row with one 32-byte store instead of two 16-byte ones. GCC only: clang 14
// gives the chooser another name than the function's, so callers in other files find neither.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define RASTER_VARIANTS __attribute__((target_clones("avx2", "default")))
#else
#define RASTER_VARIANTS
#endif

RASTER_VARIANTS void ascii_raster_glyph(uint32_t* frame_buffer, int32_t x0, int32_t y0,
                                        uint32_t code, uint32_t fg, uint32_t bg)
{
    const int32_t chr_width = g_ascii_font.chr_width;
    const int32_t chr_height = g_ascii_font.chr_height;
    ASSERT(chr_width == ASCII_W);
    ASSERT(chr_height == ASCII_H);

    if (code >= uint32_t(GLYPH_COUNT))
        code = ASCII_REPLACEMENT_GLYPH;
    const uint32_t glyphs_per_row = uint32_t(256 / ASCII_W);
    const uint32_t gy = (code / glyphs_per_row) * ASCII_H;
    const uint8_t* rows = reinterpret_cast<const uint8_t*>(g_ascii_font.atlas) +
                          gy * ATLAS_ROW_BYTES + code % glyphs_per_row;
    const uint32_t difference = fg ^ bg;

    if (x0 >= g_clip_rect.left && y0 >= g_clip_rect.top && x0 <= g_clip_rect.right - ASCII_W &&
        y0 <= g_clip_rect.bottom - ASCII_H)
    {
        uint32_t* target = frame_buffer + int64_t(y0) * PICTURE_W + x0;
        // Unrolled, the rows address the font and the frame by constant offsets.
#pragma GCC unroll 16
        for (int32_t r = 0; r < ASCII_H; ++r)
        {
            const uint32_t* masks = ROW_MASKS.masks[rows[r * ATLAS_ROW_BYTES]];
            for (int32_t k = 0; k < ASCII_W; ++k)
                target[r * PICTURE_W + k] = bg ^ (difference & masks[k]);
        }
        return;
    }

    // Partly or wholly off the picture: the rows and columns that remain, in 64 bits so that
    // origins near the ends of the 32-bit range cannot overflow.
    const int64_t first_row = std::max<int64_t>(0, int64_t(g_clip_rect.top) - y0);
    const int64_t end_row = std::min<int64_t>(ASCII_H, int64_t(g_clip_rect.bottom) - y0);
    const int64_t first_column = std::max<int64_t>(0, int64_t(g_clip_rect.left) - x0);
    const int64_t end_column = std::min<int64_t>(ASCII_W, int64_t(g_clip_rect.right) - x0);
    for (int64_t r = first_row; r < end_row; ++r)
    {
        const uint32_t* masks = ROW_MASKS.masks[rows[r * ATLAS_ROW_BYTES]];
        const int64_t row_start = (y0 + r) * PICTURE_W + x0;
        for (int64_t k = first_column; k < end_column; ++k)
            frame_buffer[row_start + k] = bg ^ (difference & masks[k]);
    }
}
