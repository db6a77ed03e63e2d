// Reads a screenshot of the game's picture back as the 80x25 character screen, for the
// end-to-end tests: 640x400 pixels of raw 8-bit RGB on standard input (the window's picture,
// cropped and brought back to scale 1), 25 rows of text on standard output.
#include <cstdio>
#include <vector>

#include "support/screen.h"

int main() {
    std::vector<unsigned char> rgb(size_t(PICTURE_W) * PICTURE_H * 3);
    if (fread(rgb.data(), 1, rgb.size(), stdin) != rgb.size()) {
        fprintf(stderr, "expected %d x %d pixels of 8-bit RGB on standard input\n", PICTURE_W, PICTURE_H);
        return 2;
    }
    std::vector<uint32_t> picture(size_t(PICTURE_W) * PICTURE_H);
    for (size_t i = 0; i < picture.size(); ++i)
        picture[i] = 0xFF000000u | uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    for (int32_t row = 0; row < 25; ++row)
        printf("%s\n", ReadText(picture.data(), 0, row, std::string(80, ' ')).c_str());
    return 0;
}
