// The program's clocks. The high-resolution clock counts seconds from timer_init on the
// platform's monotonic counter. When the platform cannot tell that counter's frequency, the
// clock runs on SDL's millisecond ticks instead: a clock that divides by an unknown frequency
// would give infinities, and the loop's pacing would then spin or never end. SDL's tick count is
// also offered in seconds as the game's time seed; what the seconds are used for is left to the
// loop and the game.
#include "main/clock.h"

#include <SDL.h>

#include <cstdio>

#include "main/platform.h"

constexpr double TICKS_PER_SECOND = 1000.0;

struct HighResolutionClock
{
    double frequency;     // counts per second
    int64_t start;        // count at timer_init
    bool on_sdl_ticks;    // the platform counter's frequency was unknown
};

static HighResolutionClock s_clock;

static int64_t read_count()
{
    return s_clock.on_sdl_ticks ? int64_t(SDL_GetTicks()) : platform_counter();
}

void timer_init()
{
    timer_init_with_frequency(platform_counter_frequency());
}

void timer_init_with_frequency(int64_t counter_frequency)
{
    s_clock.on_sdl_ticks = counter_frequency <= 0;
    if (s_clock.on_sdl_ticks)
    {
        printf("QueryPerformanceFrequency failed\n");
        s_clock.frequency = TICKS_PER_SECOND;
    }
    else
    {
        s_clock.frequency = double(counter_frequency);
    }
    s_clock.start = read_count();
}

double timer_seconds()
{
    return double(read_count() - s_clock.start) / s_clock.frequency;
}

double ticks_seconds()
{
    return double(SDL_GetTicks()) / TICKS_PER_SECOND;
}
