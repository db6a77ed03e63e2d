// The clocks: the high-resolution clock on the platform counter and, when the counter's
// frequency is unknown, on SDL's ticks, which must still let the loop pace; and the tick count
// in seconds.
#include <cmath>
#include <vector>

#include "main/frame_io.h"
#include "main/loop.h"
#include "main/platform.h"
#include "shell_fixture.h"

using ClockTest = ShellTest;

TEST_F(ClockTest, CountsSecondsSinceItsStart)
{
    testing::internal::CaptureStdout();
    timer_init();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    const double start = timer_seconds();
    EXPECT_GE(start, 0.0);
    EXPECT_LT(start, 0.01);
    SDL_Delay(20);
    const double later = timer_seconds();
    EXPECT_GE(later - start, 0.019);
    EXPECT_LT(later, 1.0);
}

TEST_F(ClockTest, WithoutACounterFrequencyItRunsOnSdlTicksAndTheLoopStillPaces)
{
    testing::internal::CaptureStdout();
    timer_init_with_frequency(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QueryPerformanceFrequency failed\n");

    const double start = timer_seconds();
    ASSERT_TRUE(std::isfinite(start));
    EXPECT_LT(start, 0.01);
    SDL_Delay(30);
    const double later = timer_seconds();
    EXPECT_GE(later - start, 0.029);
    EXPECT_LT(later, 1.0);

    std::vector<uint32_t> frame_buffer(size_t(PICTURE_W) * PICTURE_H, 0);
    MainLoop loop;
    loop_start(&loop, frame_buffer.data());
    const uint32_t ticks_before = SDL_GetTicks();
    for (int32_t i = 0; i < 6; ++i)
        loop_iteration(&loop, [](InputState*, OutputState* output) { output->present = 1; });
    EXPECT_GE(SDL_GetTicks() - ticks_before, 6 * 16u);

    timer_init_with_frequency(platform_counter_frequency());
}

TEST_F(ClockTest, TicksAreSdlsMillisecondsInSeconds)
{
    SDL_Delay(5);
    const uint32_t before = SDL_GetTicks();
    const double seconds = ticks_seconds();
    const uint32_t after = SDL_GetTicks();
    EXPECT_GE(seconds, before / 1000.0);
    EXPECT_LE(seconds, after / 1000.0);
}
