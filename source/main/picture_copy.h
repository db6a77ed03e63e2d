// The copy at the heart of presentation: the 640 x 400 picture enlarged by a whole factor into
// a block of 32-bit pixels whose rows lie a given number of bytes apart. It knows nothing of
// SDL, so that it can be checked and measured on plain memory; choosing the scale and offsets
// and making sure the enlarged picture fits is the caller's business.
#pragma once

#include <cstdint>

// Writes picture pixel (x, y) to the scale x scale block whose top-left destination pixel is
// (offset_x + x * scale, offset_y + y * scale). Row y of the destination starts pitch bytes
// after row y - 1. Nothing outside the enlarged picture is touched.
void copy_picture_scaled(uint32_t* destination, int32_t pitch, int32_t scale, int32_t offset_x,
                         int32_t offset_y, const uint32_t* picture);
