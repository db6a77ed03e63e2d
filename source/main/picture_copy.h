// The copy at the heart of presentation: the 640 x 400 picture enlarged by a whole factor into
// a block of 32-bit pixels whose rows lie a given number of bytes apart, in the destination's
// byte order. It knows nothing of SDL, so that it can be checked and measured on plain memory;
// choosing the scale, offsets and order and making sure the enlarged picture fits is the
// caller's business.
#pragma once

#include <cstdint>

// How a destination pixel holds its colour: as the picture does, 0xAARRGGBB, or with red and
// blue exchanged, 0xAABBGGRR: the bytes R, G, B, A in memory, as a browser's canvas keeps them.
enum class PixelOrder : uint8_t
{
    ARGB,
    ABGR,
};

// A picture pixel (0xAARRGGBB) as a destination pixel of that order.
constexpr uint32_t pixel_in_order(uint32_t argb, PixelOrder order)
{
    return order == PixelOrder::ARGB
               ? argb
               : (argb & 0xFF00FF00u) | (argb >> 16 & 0xFFu) | (argb & 0xFFu) << 16;
}

// Writes picture pixel (x, y) to the scale x scale block whose top-left destination pixel is
// (offset_x + x * scale, offset_y + y * scale), in the given order. Row y of the destination
// starts pitch bytes after row y - 1. Nothing outside the enlarged picture is touched.
void copy_picture_scaled(uint32_t* destination, int32_t pitch, int32_t scale, int32_t offset_x,
                         int32_t offset_y, const uint32_t* picture,
                         PixelOrder order = PixelOrder::ARGB);
