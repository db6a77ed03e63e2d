// Reads a screenshot of the game's picture back as the 80x25 character screen, for the
// end-to-end tests: 640x400 pixels of raw 8-bit RGB on standard input (the window's picture,
// cropped and brought back to scale 1), 25 rows of text on standard output. A cell reads as the
// glyph whose shape the pixels unlike its top-left one draw, a cell of one colour as a space.
#include <cstdio>
#include <cstring>
#include <map>

#include "ascii/raster.h"
#include "support/screen.h"

int main() {
    static unsigned char rgb[PICTURE_H][PICTURE_W][3];
    if (fread(rgb, sizeof(rgb), 1, stdin) != 1) {
        fprintf(stderr, "expected 640 x 400 pixels of 8-bit RGB on standard input\n");
        return 2;
    }
    // Glyphs by their 16 rows of set pixels, of equal shapes the lowest code: the atlas holds a
    // glyph's row r at byte ((glyph / 32) * 16 + r) * 32 + glyph % 32.
    const uint8_t* atlas = reinterpret_cast<const uint8_t*>(g_ascii_font.atlas);
    std::map<std::string, uint32_t> glyphs;
    for (uint32_t glyph = 255; glyph > 0; --glyph) {
        std::string shape;
        for (uint32_t r = 0; r < 16; ++r)
            shape += char(atlas[(glyph / 32 * 16 + r) * 32 + glyph % 32]);
        glyphs[shape] = glyph;
    }
    for (int32_t row = 0; row < 25; ++row) {
        for (int32_t column = 0; column < 80; ++column) {
            std::string shape(16, '\0');
            for (int32_t r = 0; r < 16; ++r) {
                for (int32_t k = 0; k < 8; ++k) {
                    const unsigned char* pixel = rgb[row * 16 + r][column * 8 + k];
                    const bool set = memcmp(pixel, rgb[row * 16][column * 8], 3) != 0;
                    shape[r] = char(shape[r] | set << k);
                }
            }
            printf("%s", LookAlike(glyphs.count(shape) ? glyphs[shape] : 0).c_str());
        }
        printf("\n");
    }
    return 0;
}
