// The test clocks; see clocks.h.
#include "support/clocks.h"

#include <cstdlib>
#include <ctime>

TestClocks g_test_clocks = {NOON_1_JANUARY_2000, 0};

extern "C" uint32_t __wrap_SDL_GetTicks() {
    return g_test_clocks.ticks_milliseconds;
}

extern "C" int64_t __wrap__Z25platform_calendar_secondsv() {
    return g_test_clocks.calendar_seconds;
}

static const bool s_calendar_in_utc = [] {
    static char utc[] = "TZ=UTC";
    putenv(utc);
    tzset();
    return true;
}();
