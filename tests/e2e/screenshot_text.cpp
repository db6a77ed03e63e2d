// Reads a screenshot of the game's window back as the 80x25 character screen, for the
// end-to-end tests: takes one window pixel per picture pixel at the given scale and offsets and
// prints the screen as text, one row a line, then each row's colours (foreground and background
// palette indices in hex, '.' where a cell has no foreground).
//
//   e2e_screenshot_text FILE.ppm SCALE OFFSET_X OFFSET_Y
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "main/frame_io.h"
#include "support/screen_reader.h"

constexpr int32_t PREFERRED_BACKGROUND = 3;  // the game screen's teal

static bool ReadPpm(const char* path, int32_t* width, int32_t* height, std::vector<unsigned char>* rgb)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return false;
    int max_value = 0;
    // The header may carry a comment line (xwd puts the window's name there).
    char magic[3] = {};
    bool ok = fscanf(file, "%2s", magic) == 1 && magic[0] == 'P' && magic[1] == '6';
    int c;
    while (ok && (c = fgetc(file)) != EOF)
    {
        if (c == '#')
            while ((c = fgetc(file)) != EOF && c != '\n')
                ;
        else if (c > ' ')
        {
            ungetc(c, file);
            break;
        }
    }
    ok = ok && fscanf(file, "%d %d %d", width, height, &max_value) == 3 && max_value == 255 &&
         fgetc(file) != EOF && *width > 0 && *height > 0;
    if (ok)
    {
        rgb->resize(size_t(*width) * size_t(*height) * 3);
        ok = fread(rgb->data(), 1, rgb->size(), file) == rgb->size();
    }
    fclose(file);
    return ok;
}

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        fprintf(stderr, "usage: %s FILE.ppm SCALE OFFSET_X OFFSET_Y\n", argv[0]);
        return 2;
    }
    const int32_t scale = atoi(argv[2]);
    const int32_t offset_x = atoi(argv[3]);
    const int32_t offset_y = atoi(argv[4]);
    int32_t width = 0, height = 0;
    std::vector<unsigned char> rgb;
    if (!ReadPpm(argv[1], &width, &height, &rgb))
    {
        fprintf(stderr, "%s is not a readable 8-bit binary PPM\n", argv[1]);
        return 2;
    }
    if (scale < 1 || offset_x < 0 || offset_y < 0 || offset_x + PICTURE_W * scale > width ||
        offset_y + PICTURE_H * scale > height)
    {
        fprintf(stderr, "the picture at scale %d, offsets %d, %d does not fit %dx%d\n", scale, offset_x,
                offset_y, width, height);
        return 2;
    }

    std::vector<uint32_t> picture(size_t(PICTURE_W) * PICTURE_H);
    for (int32_t y = 0; y < PICTURE_H; ++y)
        for (int32_t x = 0; x < PICTURE_W; ++x)
        {
            const unsigned char* p = &rgb[(size_t(offset_y + y * scale) * width + offset_x + x * scale) * 3];
            picture[size_t(y) * PICTURE_W + x] = 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        }

    const ScreenReading screen = read_screen(picture.data(), PREFERRED_BACKGROUND);
    fputs(screen_text(screen).c_str(), stdout);
    for (int32_t row = 0; row < SCREEN_ROWS; ++row)
    {
        for (int32_t column = 0; column < SCREEN_COLUMNS; ++column)
        {
            const ScreenCell& cell = screen.cells[row][column];
            putchar(cell.fg < 0 ? '.' : "0123456789ABCDEF"[cell.fg]);
            putchar(cell.bg < 0 ? '.' : "0123456789ABCDEF"[cell.bg]);
        }
        putchar('\n');
    }
    return 0;
}
