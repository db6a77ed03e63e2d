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
    std::vector<unsigned char> rgb(size_t(PICTURE_W) * PICTURE_H * 3);
    if (fread(rgb.data(), 1, rgb.size(), stdin) != rgb.size()) {
        fprintf(stderr, "expected %d x %d pixels of 8-bit RGB on standard input\n", PICTURE_W, PICTURE_H);
        return 2;
    }
    std::map<std::string, int32_t> glyphs;  // by their 16 rows of set pixels; of equal shapes the lowest code
    const char* atlas = reinterpret_cast<const char*>(g_ascii_font.atlas);
    for (int32_t glyph = 255; glyph >= 0; --glyph) {
        std::string rows;
        for (int32_t r = 0; r < ASCII_H; ++r)
            rows += atlas[((glyph / 32) * ASCII_H + r) * 32 + glyph % 32];
        glyphs[rows] = glyph;
    }
    glyphs[std::string(ASCII_H, '\0')] = ' ';
    for (int32_t row = 0; row < ASCII_ROWS; ++row) {
        std::string text;
        for (int32_t column = 0; column < ASCII_COLUMNS; ++column) {
            const unsigned char* cell = &rgb[size_t(row * ASCII_H * PICTURE_W + column * ASCII_W) * 3];
            std::string shape(ASCII_H, '\0');
            for (int32_t r = 0; r < ASCII_H; ++r)
                for (int32_t k = 0; k < ASCII_W; ++k)
                    shape[r] = char(shape[r] | (memcmp(cell + (r * PICTURE_W + k) * 3, cell, 3) != 0) << k);
            const auto found = glyphs.find(shape);
            text += LookAlike(found == glyphs.end() ? -1 : found->second);
        }
        printf("%s\n", text.c_str());
    }
    return 0;
}
