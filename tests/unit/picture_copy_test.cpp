// The enlarged copy of the picture into plain memory: every destination pixel inside the
// enlarged picture holds the right picture pixel, and nothing around it is touched, neither the
// margin nor the padding at the end of a row. Run under AddressSanitizer too, with destinations
// that end exactly where the enlarged picture does.
#include "main/picture_copy.h"

#include <gtest/gtest.h>

#include <vector>

#include "main/frame_io.h"

static const uint32_t UNTOUCHED = 0xDEADBEEF;

// Every picture pixel differs from every other, so a pixel copied to the wrong place shows.
static std::vector<uint32_t> numbered_picture()
{
    std::vector<uint32_t> picture(size_t(PICTURE_W) * PICTURE_H);
    for (int32_t y = 0; y < PICTURE_H; ++y)
        for (int32_t x = 0; x < PICTURE_W; ++x)
            picture[size_t(y) * PICTURE_W + x] = 0xFF000000u | uint32_t(y) << 10 | uint32_t(x);
    return picture;
}

struct CopyCase
{
    int32_t scale;
    int32_t offset_x;
    int32_t offset_y;
    int32_t spare_w;      // destination pixels right of the picture
    int32_t spare_h;      // destination rows below the picture
    int32_t row_padding;  // pixels between a row's last pixel and the next row
};

TEST(PictureCopy, EveryDestinationPixelHoldsItsPicturePixelAndNothingElseChanges)
{
    const CopyCase cases[] = {
        {1, 0, 0, 0, 0, 0},       // the picture exactly fills a tight destination
        {2, 0, 0, 0, 0, 0},       // the start window
        {2, 320, 140, 320, 140, 0},
        {1, 180, 300, 180, 300, 0},
        {1, 0, 0, 1, 1, 0},       // 641 x 401: the spare pixel is right and below
        {2, 3, 5, 7, 1, 16},      // rows farther apart than the width
        {3, 1, 2, 0, 0, 5},
        {4, 0, 0, 0, 0, 1},
        {5, 320, 80, 320, 80, 0}, // 3840 x 2160
        {6, 0, 0, 0, 0, 3},
    };
    const std::vector<uint32_t> picture = numbered_picture();
    for (const CopyCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << ", offsets " << c.offset_x << ","
                                        << c.offset_y << ", row padding " << c.row_padding);
        const int32_t width = c.offset_x + PICTURE_W * c.scale + c.spare_w;
        const int32_t height = c.offset_y + PICTURE_H * c.scale + c.spare_h;
        const int32_t row_pixels = width + c.row_padding;
        // The last row ends at the enlarged picture's last pixel when nothing is spare.
        std::vector<uint32_t> destination(size_t(row_pixels) * (height - 1) + width, UNTOUCHED);

        copy_picture_scaled(destination.data(), row_pixels * int32_t(sizeof(uint32_t)), c.scale,
                            c.offset_x, c.offset_y, picture.data());

        int32_t wrong = 0;
        for (int32_t y = 0; y < height; ++y)
        {
            const int32_t last = y == height - 1 ? width : row_pixels;
            for (int32_t x = 0; x < last; ++x)
            {
                const int32_t px = x - c.offset_x;
                const int32_t py = y - c.offset_y;
                const bool inside = x < width && px >= 0 && py >= 0 && px < PICTURE_W * c.scale &&
                                    py < PICTURE_H * c.scale;
                const uint32_t expected =
                    inside ? picture[size_t(py / c.scale) * PICTURE_W + px / c.scale] : UNTOUCHED;
                const uint32_t actual = destination[size_t(y) * row_pixels + x];
                if (actual != expected && wrong++ < 5)
                    ADD_FAILURE() << "destination (" << x << ", " << y << ") is " << std::hex
                                  << actual << ", expected " << expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}
