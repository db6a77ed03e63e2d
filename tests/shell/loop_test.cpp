// The real main loop with frames of the tests' own: the idle rule, the presentations a resize
// forces, how a quit request or the loss of the window ends the loop, and the pacing's lower
// bound.
#include <algorithm>
#include <vector>

#include "main/frame_io.h"
#include "main/loop.h"
#include "shell_fixture.h"

// What the tests' frames saw, and what they draw.
struct FrameLog
{
    int32_t calls;
    uint32_t color;
};

static FrameLog s_log;

static void fill_frame(OutputState* output)
{
    ++s_log.calls;
    std::fill_n(output->frame_buffer, PICTURE_W * PICTURE_H, s_log.color);
}

static void silent_frame(InputState*, OutputState* output)
{
    fill_frame(output);
}

static void presenting_frame(InputState*, OutputState* output)
{
    fill_frame(output);
    output->present = 1;
}

class LoopTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        s_log = FrameLog{0, 0xFF445566};
        frame_buffer.assign(size_t(PICTURE_W) * PICTURE_H, 0);
        loop_start(&loop, frame_buffer.data());
    }

    // Runs one iteration and tells whether it called the frame.
    bool iterate(FrameFunction frame)
    {
        const int32_t before = s_log.calls;
        loop_iteration(&loop, frame);
        return s_log.calls > before;
    }

    std::vector<uint32_t> frame_buffer;
    MainLoop loop;
};

TEST_F(LoopTest, AFrameThatNeverPresentsRunsInIterations1To59UntilTheInputChanges)
{
    std::vector<int32_t> iterations_run;
    for (int32_t iteration = 1; iteration <= 65; ++iteration)
        if (iterate(silent_frame))
            iterations_run.push_back(iteration);
    ASSERT_EQ(iterations_run.size(), 59u);
    EXPECT_EQ(iterations_run.front(), 1);
    EXPECT_EQ(iterations_run.back(), 59);

    push_motion(1, 1);
    EXPECT_FALSE(iterate(silent_frame)) << "motion inside the same picture pixel is no change";

    push_motion(2, 1);
    EXPECT_TRUE(iterate(silent_frame)) << "the mouse moved one picture pixel";
    EXPECT_EQ(loop.idle_frames, 0);

    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2, 1);
    EXPECT_TRUE(iterate(silent_frame));
    EXPECT_EQ(loop.idle_frames, 0);
    EXPECT_TRUE(iterate(silent_frame));
    EXPECT_EQ(loop.idle_frames, 0) << "the click flag falling back is a change too";
    EXPECT_TRUE(iterate(silent_frame));
    EXPECT_EQ(loop.idle_frames, 1);
}

TEST_F(LoopTest, AResizeToTheSameSizeStillPresentsAndWakesTheFrame)
{
    for (int32_t iteration = 1; iteration <= IDLE_FRAME_LIMIT; ++iteration)
        iterate(silent_frame);
    ASSERT_FALSE(iterate(silent_frame));
    ASSERT_NE(screen_pixel(0, 0), s_log.color) << "nothing asked for presentation so far";

    push_resize(START_WINDOW_W, START_WINDOW_H);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(iterate(silent_frame)) << "a resize is no input change";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "RESIZE: 1280, 800\n");
    EXPECT_EQ(screen_pixel(0, 0), s_log.color);
    EXPECT_EQ(screen_pixel(1279, 799), s_log.color);
    EXPECT_EQ(g_redraw, 0);
    EXPECT_EQ(loop.idle_frames, 0);
    EXPECT_TRUE(iterate(silent_frame));
}

TEST_F(LoopTest, AFrameThatAsksIsPresentedAndTheRequestCleared)
{
    s_log.color = 0xFF0A0B0C;
    EXPECT_TRUE(iterate(presenting_frame));
    EXPECT_EQ(screen_pixel(639, 399), 0xFF0A0B0Cu);
    EXPECT_EQ(loop.output.present, 0);
    for (int32_t iteration = 0; iteration < IDLE_FRAME_LIMIT + 5; ++iteration)
        ASSERT_TRUE(iterate(presenting_frame)) << "presenting frames never go idle";
}

TEST_F(LoopTest, IterationsLastAtLeastTheFrameTime)
{
    const int32_t iterations = 20;
    double start = timer_seconds();
    for (int32_t i = 0; i < iterations; ++i)
        iterate(presenting_frame);
    EXPECT_GE(timer_seconds() - start, iterations * FRAME_TIME);

    for (int32_t i = 0; i < IDLE_FRAME_LIMIT; ++i)
        iterate(silent_frame);
    // An idle iteration only sleeps whole milliseconds, so it may fall short by less than one.
    const double millisecond = 0.001;
    for (int32_t i = 0; i < 5; ++i)
    {
        start = timer_seconds();
        ASSERT_FALSE(iterate(silent_frame));
        EXPECT_GE(timer_seconds() - start, FRAME_TIME - millisecond);
    }
}

struct QuitCase
{
    const char* name;
    void (*push)();
};

TEST_F(LoopTest, AQuitRequestEndsTheLoopAfterItsIterationIsFinished)
{
    const QuitCase quits[] = {
        {"Alt+F4", [] { push_key(SDLK_F4, KMOD_LALT); }},
        {"F4", [] { push_key(SDLK_F4, KMOD_NONE); }},
        {"close", [] { push_quit(); }},
    };
    uint32_t color = 0xFF010203;
    for (const QuitCase& q : quits)
    {
        SCOPED_TRACE(q.name);
        loop_start(&loop, frame_buffer.data());
        s_log.calls = 0;
        s_log.color = ++color;
        q.push();
        const double start = timer_seconds();
        run_main_loop(&loop, presenting_frame);
        EXPECT_GE(timer_seconds() - start, FRAME_TIME) << "paced";
        EXPECT_EQ(s_log.calls, 1) << "the frame ran in that iteration";
        EXPECT_EQ(screen_pixel(100, 100), color) << "and was presented";
        EXPECT_EQ(loop.running, 0);
    }
}

TEST_F(LoopTest, LosingTheWindowEndsTheLoop)
{
    SDL_Surface* unreopenable = SDL_CreateRGBSurface(SDL_SWSURFACE, PICTURE_W, PICTURE_H, 32,
                                                     0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(unreopenable, nullptr);
    const int real_w = unreopenable->w;
    unreopenable->w = 1 << 30;
    g_screen = unreopenable;
    push_resize(1 << 30, 400);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    run_main_loop(&loop, presenting_frame);
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(g_screen, nullptr);
    EXPECT_EQ(s_log.calls, 1);
    EXPECT_EQ(loop.running, 0);

    unreopenable->w = real_w;
    SDL_FreeSurface(unreopenable);
}
