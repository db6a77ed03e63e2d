// Presentation into SDL surfaces other than the window's: one whose rows are longer than its
// width, and the surfaces presentation must leave alone. The enlarged copy itself is checked
// pixel by pixel in plain memory by the unit tests.
#include <algorithm>
#include <vector>

#include "main/frame_io.h"
#include "shell_fixture.h"

static const uint32_t UNTOUCHED = 0xDEADBEEF;

static std::vector<uint32_t> numbered_frame()
{
    std::vector<uint32_t> frame(size_t(PICTURE_W) * PICTURE_H);
    for (size_t i = 0; i < frame.size(); ++i)
        frame[i] = 0xFF000000u | uint32_t(i);
    return frame;
}

using PresentationTest = ShellTest;

TEST_F(PresentationTest, RowsLongerThanTheWindowGetThePictureAtItsPlaceAndTheirPaddingIsKept)
{
    const int32_t width = 1300, height = 820, row_pixels = 1312;
    std::vector<uint32_t> pixels(size_t(row_pixels) * height, UNTOUCHED);
    SDL_Surface* padded = SDL_CreateRGBSurfaceFrom(pixels.data(), width, height, 32,
                                                   row_pixels * 4, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(padded, nullptr);
    ASSERT_EQ(padded->pitch, row_pixels * 4);
    SDL_Surface* window = g_screen;
    g_screen = padded;
    g_offset_x = 10;
    g_offset_y = 20;

    const std::vector<uint32_t> frame = numbered_frame();
    present_frame(frame.data());

    int32_t wrong = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < row_pixels; ++x)
        {
            const int32_t px = x - 10, py = y - 20;
            const bool inside = px >= 0 && py >= 0 && px < 1280 && py < 800;
            const uint32_t expected = inside ? frame[size_t(py / 2) * PICTURE_W + px / 2] : UNTOUCHED;
            wrong += pixels[size_t(y) * row_pixels + x] != expected;
        }
    EXPECT_EQ(wrong, 0);

    g_screen = window;
    SDL_FreeSurface(padded);
}

TEST_F(PresentationTest, SurfacesThatCannotTakeThePictureAreLeftAlone)
{
    const std::vector<uint32_t> frame = numbered_frame();
    SDL_Surface* window = g_screen;

    std::vector<uint16_t> shallow_pixels(size_t(1280) * 800, 0xBEEF);
    SDL_Surface* shallow = SDL_CreateRGBSurfaceFrom(shallow_pixels.data(), 1280, 800, 16, 1280 * 2,
                                                    0xF800, 0x07E0, 0x001F, 0);
    ASSERT_NE(shallow, nullptr);
    g_screen = shallow;
    present_frame(frame.data());
    EXPECT_EQ(std::count(shallow_pixels.begin(), shallow_pixels.end(), 0xBEEF), 1280 * 800)
        << "16-bit surface";
    SDL_FreeSurface(shallow);

    std::vector<uint32_t> small_pixels(size_t(1280) * 800, UNTOUCHED);
    SDL_Surface* small = SDL_CreateRGBSurfaceFrom(small_pixels.data(), 1280, 800, 32, 1280 * 4,
                                                  0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(small, nullptr);
    g_screen = small;
    g_offset_x = 320;
    g_offset_y = 140;
    present_frame(frame.data());
    EXPECT_EQ(std::count(small_pixels.begin(), small_pixels.end(), UNTOUCHED), 1280 * 800)
        << "picture at these offsets does not fit";
    SDL_FreeSurface(small);

    g_screen = nullptr;
    present_frame(frame.data());

    g_screen = window;
}
