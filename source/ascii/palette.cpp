// The 16-colour palette (0xAARRGGBB) and the clip rectangle of the rasteriser.
#include "ascii/raster.h"

const uint32_t g_palette[16] = {
    0xFF000000, 0xFF1E117B, 0xFF35962B, 0xFF0083A6, 0xFF942D0C, 0xFFA223A3, 0xFF613A09, 0xFFA6A6A8,
    0xFF4A4F51, 0xFF7246D0, 0xFFB5F65D, 0xFF3DE8CD, 0xFFFF535B, 0xFFDF12BF, 0xFFF9FC00, 0xFFF9FADD,
};

const ClipRect g_clip_rect = {0, 0, PICTURE_W, PICTURE_H};
