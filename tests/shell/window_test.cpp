// The window: its start state, the layout after every kind of resize (scale, offsets, margin
// colour, size raised to the picture's), resizes arriving as events, and what happens when SDL
// cannot make the size asked for.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "main/frame_io.h"
#include "main/input.h"
#include "shell_fixture.h"

using testing::HasSubstr;

static const uint32_t MARGIN = 0xFF0083A6;
// SDL's surfaces hold at most INT_MAX bytes a row, so a window this wide can never be made.
static const int32_t IMPOSSIBLE_WIDTH = 1 << 30;

static int32_t pixels_not(uint32_t value)
{
    int32_t count = 0;
    for (int32_t y = 0; y < g_screen->h; ++y)
        for (int32_t x = 0; x < g_screen->w; ++x)
            count += screen_pixel(x, y) != value;
    return count;
}

using WindowTest = ShellTest;

TEST_F(WindowTest, StartsAt1280x800WithTheTitleAndTheFullPictureAtScale2)
{
    ASSERT_NE(g_screen, nullptr);
    EXPECT_EQ(g_screen->w, 1280);
    EXPECT_EQ(g_screen->h, 800);
    EXPECT_EQ(g_screen->format->BitsPerPixel, 32);
    EXPECT_EQ(g_scale, 2);
    EXPECT_EQ(g_offset_x, 0);
    EXPECT_EQ(g_offset_y, 0);
    EXPECT_EQ(g_redraw, 0);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Brambledeck Field");
}

struct ResizeCase
{
    int32_t asked_w, asked_h;
    int32_t window_w, window_h;
    int32_t scale, offset_x, offset_y;
};

static const ResizeCase RESIZES[] = {
    {1920, 1080, 1920, 1080, 2, 320, 140},  // 3 fits across, only 2.7 down
    {1000, 1000, 1000, 1000, 1, 180, 300},
    {641, 401, 641, 401, 1, 0, 0},          // the spare pixel goes right and below
    {500, 300, 640, 400, 1, 0, 0},          // raised to the picture's size
    {639, 2000, 640, 2000, 1, 0, 800},
    {1280, 800, 1280, 800, 2, 0, 0},
    {3840, 2160, 3840, 2160, 5, 320, 80},
};

TEST_F(WindowTest, ResizeReportsTheAskedSizeAndCentresTheLargestWholeScaleOnTheMargin)
{
    for (const ResizeCase& c : RESIZES)
    {
        SCOPED_TRACE(testing::Message() << "resize to " << c.asked_w << " x " << c.asked_h);
        g_redraw = 0;
        testing::internal::CaptureStdout();
        on_resize(c.asked_w, c.asked_h);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "RESIZE: " + std::to_string(c.asked_w) + ", " + std::to_string(c.asked_h) + "\n");
        ASSERT_NE(g_screen, nullptr);
        EXPECT_EQ(g_screen->w, c.window_w);
        EXPECT_EQ(g_screen->h, c.window_h);
        EXPECT_EQ(g_scale, c.scale);
        EXPECT_EQ(g_offset_x, c.offset_x);
        EXPECT_EQ(g_offset_y, c.offset_y);
        EXPECT_EQ(g_redraw, 1);
        EXPECT_EQ(pixels_not(MARGIN), 0);
    }
}

TEST_F(WindowTest, PresentingAfterAResizeFillsThePictureAndLeavesTheMarginColour)
{
    std::vector<uint32_t> frame(size_t(PICTURE_W) * PICTURE_H, 0xFF112233);
    for (const ResizeCase& c : RESIZES)
    {
        SCOPED_TRACE(testing::Message() << "resize to " << c.asked_w << " x " << c.asked_h);
        testing::internal::CaptureStdout();
        on_resize(c.asked_w, c.asked_h);
        testing::internal::GetCapturedStdout();
        present_frame(frame.data());
        const int32_t picture_pixels = PICTURE_W * c.scale * PICTURE_H * c.scale;
        EXPECT_EQ(pixels_not(MARGIN), picture_pixels);
        EXPECT_EQ(pixels_not(0xFF112233), c.window_w * c.window_h - picture_pixels);
        const int32_t right = c.offset_x + PICTURE_W * c.scale;
        const int32_t bottom = c.offset_y + PICTURE_H * c.scale;
        EXPECT_EQ(screen_pixel(c.offset_x, c.offset_y), 0xFF112233u);
        EXPECT_EQ(screen_pixel(right - 1, bottom - 1), 0xFF112233u);
    }
}

TEST_F(WindowTest, ResizeEventsFromTheQueueReachTheWindow)
{
    push_resize(1920, 1080);
    push_resize(1000, 1000);
    int32_t running = 1;
    InputState input = {};
    testing::internal::CaptureStdout();
    poll_input(&input, &running);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "RESIZE: 1920, 1080\nRESIZE: 1000, 1000\n");
    EXPECT_EQ(g_screen->w, 1000);
    EXPECT_EQ(g_scale, 1);
    EXPECT_EQ(g_offset_x, 180);
    EXPECT_EQ(g_offset_y, 300);
    EXPECT_EQ(running, 1);
}

TEST_F(WindowTest, ASizeSdlCannotMakeKeepsThePreviousWindow)
{
    testing::internal::CaptureStdout();
    on_resize(1000, 1000);
    g_redraw = 0;
    testing::internal::CaptureStderr();
    on_resize(IMPOSSIBLE_WIDTH, 400);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_THAT(testing::internal::GetCapturedStdout(), HasSubstr("RESIZE: 1073741824, 400\n"));
    EXPECT_THAT(errors, HasSubstr("Could not resize the window to 1073741824 x 400: "));
    EXPECT_EQ(errors.find("Could not reopen"), std::string::npos);

    ASSERT_NE(g_screen, nullptr);
    EXPECT_EQ(g_screen->w, 1000);
    EXPECT_EQ(g_screen->h, 1000);
    EXPECT_EQ(g_scale, 1);
    EXPECT_EQ(g_offset_x, 180);
    EXPECT_EQ(g_offset_y, 300);
    EXPECT_EQ(g_redraw, 1);
    EXPECT_EQ(pixels_not(MARGIN), 0);
}

TEST_F(WindowTest, LosingTheWindowEndsTheLoopAndNothingBringsItBack)
{
    // A surface recorded with a size SDL cannot open stands for a previous window that cannot
    // be had again, so that the second attempt fails as well.
    SDL_Surface* unreopenable = SDL_CreateRGBSurface(SDL_SWSURFACE, PICTURE_W, PICTURE_H, 32,
                                                     0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(unreopenable, nullptr);
    const int real_w = unreopenable->w;
    unreopenable->w = IMPOSSIBLE_WIDTH;
    g_screen = unreopenable;

    push_resize(IMPOSSIBLE_WIDTH, 400);
    push_resize(1280, 800);
    push_motion(100, 60);
    int32_t running = 1;
    InputState input = {};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    poll_input(&input, &running);
    const std::string errors = testing::internal::GetCapturedStderr();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(g_screen, nullptr);
    EXPECT_EQ(running, 0);
    EXPECT_THAT(errors, HasSubstr("Could not resize the window"));
    EXPECT_THAT(errors, HasSubstr("Could not reopen the window: "));
    EXPECT_EQ(output, "RESIZE: 1073741824, 400\n") << "the later resize is not attempted";
    EXPECT_EQ(input.mouse_x, 50) << "the rest of the poll is still handled";

    std::vector<uint32_t> frame(size_t(PICTURE_W) * PICTURE_H, 0);
    present_frame(frame.data());

    unreopenable->w = real_w;
    SDL_FreeSurface(unreopenable);
}

TEST_F(WindowTest, AWindowThatCannotBeOpenedIsReportedOnStandardError)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(open_window(IMPOSSIBLE_WIDTH, 400));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(g_screen, nullptr);
    EXPECT_THAT(errors, testing::StartsWith("Could not open the window: "));
    EXPECT_GT(errors.size(), std::string("Could not open the window: \n").size());
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line";
}
