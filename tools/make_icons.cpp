// Draws the game's desktop icon with the game's own rasteriser, font and palette, and writes it
// as PNGs for the hicolor icon theme: OUTPUT_DIR/NxN/apps/ICON_NAME.png for each size N given.
// The motif is two character cells on the board's teal: a heart in its flashing colour (a card
// that flashes has a mine beside it) and the mine glyph. It is 16x16 pixels, so it is drawn
// once and enlarged by a whole factor for every size, which keeps each size as sharp as 16.
//
// Usage: make_icons OUTPUT_DIR ICON_NAME SIZE...   (each SIZE a multiple of 16)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ascii/raster.h"
#include "game/colors.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

constexpr int32_t MOTIF_SIZE = 16;  // two 8x16 cells side by side
constexpr uint32_t GLYPH_HEART = 3;
constexpr uint32_t GLYPH_MINE = 2;
constexpr int32_t RGBA_BYTES = 4;

struct MotifCell
{
    uint32_t glyph;
    int32_t fg;
    int32_t bg;
};

static const MotifCell MOTIF[] = {
    {GLYPH_HEART, COLOR_LIGHT_RED, COLOR_TEAL},
    {GLYPH_MINE, COLOR_BLACK, COLOR_TEAL},
};

// The motif in the top-left corner of a picture-sized buffer, as the rasteriser writes it.
static std::vector<uint32_t> DrawMotif()
{
    std::vector<uint32_t> picture(size_t(PICTURE_W) * PICTURE_H);
    int32_t x = 0;
    for (const MotifCell& cell : MOTIF)
    {
        ascii_raster_glyph(picture.data(), x, 0, cell.glyph, g_palette[cell.fg], g_palette[cell.bg]);
        x += ASCII_W;
    }
    return picture;
}

// Enlarges the motif by `factor` into rows of R, G, B, A bytes, as PNG wants them.
static std::vector<unsigned char> EnlargeToRgba(const std::vector<uint32_t>& picture, int32_t factor)
{
    const int32_t size = MOTIF_SIZE * factor;
    std::vector<unsigned char> rgba(size_t(size) * size * RGBA_BYTES);
    unsigned char* out = rgba.data();
    for (int32_t y = 0; y < size; ++y)
    {
        for (int32_t x = 0; x < size; ++x)
        {
            const uint32_t argb = picture[size_t(y / factor) * PICTURE_W + x / factor];
            *out++ = uint8_t(argb >> 16);
            *out++ = uint8_t(argb >> 8);
            *out++ = uint8_t(argb);
            *out++ = uint8_t(argb >> 24);
        }
    }
    return rgba;
}

int main(int argc, char* argv[])
{
    if (argc < 4)
    {
        fprintf(stderr, "usage: %s OUTPUT_DIR ICON_NAME SIZE...\n", argv[0]);
        return EXIT_FAILURE;
    }
    const std::filesystem::path output_dir = argv[1];
    const std::string icon_name = argv[2];
    const std::vector<uint32_t> picture = DrawMotif();

    for (int i = 3; i < argc; ++i)
    {
        const int32_t size = atoi(argv[i]);
        if (size <= 0 || size % MOTIF_SIZE != 0)
        {
            fprintf(stderr, "%s: size %s is not a positive multiple of %d\n", argv[0], argv[i], MOTIF_SIZE);
            return EXIT_FAILURE;
        }
        const std::string size_name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = output_dir / size_name / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string file = (folder / (icon_name + ".png")).string();
        const std::vector<unsigned char> rgba = EnlargeToRgba(picture, size / MOTIF_SIZE);
        if (error || !stbi_write_png(file.c_str(), size, size, RGBA_BYTES, rgba.data(), size * RGBA_BYTES))
        {
            fprintf(stderr, "%s: cannot write %s\n", argv[0], file.c_str());
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
