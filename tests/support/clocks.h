// The clocks the game reads for its seeds, as a test sets them: programs that link clocks.cpp
// are linked to take the game's calls of SDL_GetTicks and platform_calendar_seconds there.
// Their calendar is UTC, wherever they run.
#pragma once

#include <cstdint>

struct TestClocks {
    int64_t calendar_seconds;     // since 1 January 1970, UTC
    uint32_t ticks_milliseconds;  // since SDL started
};

extern TestClocks g_test_clocks;

constexpr int64_t MIDNIGHT_1_JANUARY_2000 = 946684800;
constexpr int64_t NOON_1_JANUARY_2000 = 946728000;
constexpr int64_t MIDNIGHT_2_JANUARY_2000 = 946771200;
