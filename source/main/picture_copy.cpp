// The enlarged copy of the picture. Only the first destination row of each picture row is built
// pixel by pixel, and only there is a pixel brought into the destination's order; the other
// scale - 1 rows are block copies of it, which run at memory speed. The common small scales
// have their own widening loops with the factor and the order known to the compiler; with the
// rows declared not to overlap it turns them into wide stores. Larger factors share one general
// loop, whose cost is spread over more block copies.
#include "main/picture_copy.h"

#include <cstddef>
#include <cstring>

#include "main/frame_io.h"

template <int32_t SCALE, PixelOrder ORDER>
static void widen_row_by(uint32_t* __restrict out, const uint32_t* __restrict in)
{
    for (int32_t x = 0; x < PICTURE_W; ++x)
        for (int32_t k = 0; k < SCALE; ++k)
            out[x * SCALE + k] = pixel_in_order(in[x], ORDER);
}

template <PixelOrder ORDER>
static void widen_row(uint32_t* __restrict out, const uint32_t* __restrict in, int32_t scale)
{
    switch (scale)
    {
    case 1:
        if constexpr (ORDER == PixelOrder::ARGB)
            memcpy(out, in, PICTURE_W * sizeof(uint32_t));
        else
            widen_row_by<1, ORDER>(out, in);
        return;
    case 2: widen_row_by<2, ORDER>(out, in); return;
    case 3: widen_row_by<3, ORDER>(out, in); return;
    case 4: widen_row_by<4, ORDER>(out, in); return;
    default:
        for (int32_t x = 0; x < PICTURE_W; ++x)
        {
            uint32_t value = pixel_in_order(in[x], ORDER);
            for (int32_t k = 0; k < scale; ++k)
                *out++ = value;
        }
    }
}

template <PixelOrder ORDER>
static void copy_in_order(uint32_t* destination, int32_t pitch, int32_t scale, int32_t offset_x,
                          int32_t offset_y, const uint32_t* picture)
{
    const size_t row_bytes = size_t(PICTURE_W) * size_t(scale) * sizeof(uint32_t);
    uint8_t* row = reinterpret_cast<uint8_t*>(destination) + ptrdiff_t(offset_y) * pitch +
                   ptrdiff_t(offset_x) * ptrdiff_t(sizeof(uint32_t));
    for (int32_t y = 0; y < PICTURE_H; ++y)
    {
        uint8_t* first = row;
        widen_row<ORDER>(reinterpret_cast<uint32_t*>(first), picture + ptrdiff_t(y) * PICTURE_W,
                         scale);
        row += pitch;
        for (int32_t k = 1; k < scale; ++k)
        {
            memcpy(row, first, row_bytes);
            row += pitch;
        }
    }
}

void copy_picture_scaled(uint32_t* destination, int32_t pitch, int32_t scale, int32_t offset_x,
                         int32_t offset_y, const uint32_t* picture, PixelOrder order)
{
    if (order == PixelOrder::ARGB)
        copy_in_order<PixelOrder::ARGB>(destination, pitch, scale, offset_x, offset_y, picture);
    else
        copy_in_order<PixelOrder::ABGR>(destination, pitch, scale, offset_x, offset_y, picture);
}
