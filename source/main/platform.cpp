// The platform interface over Windows' performance counter and 64-bit time functions, and over
// clock_gettime and localtime_r elsewhere.
#include "main/platform.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

int64_t platform_counter_frequency()
{
    LARGE_INTEGER frequency;
    return QueryPerformanceFrequency(&frequency) ? frequency.QuadPart : 0;
}

int64_t platform_counter()
{
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

int64_t platform_calendar_seconds()
{
    return _time64(nullptr);
}

void platform_local_time(int64_t seconds, tm* local)
{
    __time64_t when = seconds;
    _localtime64_s(local, &when);
}

// Windows timers wake at the system's tick already.
void platform_relax_timers()
{
}

#else

#ifdef __linux__
#include <sys/prctl.h>
#endif

constexpr int64_t NANOSECONDS_PER_SECOND = 1000000000;
constexpr unsigned long TIMER_SLACK_NANOSECONDS = 250000;

int64_t platform_counter_frequency()
{
    timespec resolution;
    return clock_getres(CLOCK_MONOTONIC, &resolution) == 0 ? NANOSECONDS_PER_SECOND : 0;
}

int64_t platform_counter()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * NANOSECONDS_PER_SECOND + now.tv_nsec;
}

int64_t platform_calendar_seconds()
{
    return int64_t(time(nullptr));
}

void platform_local_time(int64_t seconds, tm* local)
{
    time_t when = time_t(seconds);
    localtime_r(&when, local);
}

// Linux ends each sleep within a timer slack, 50 microseconds unless set.
void platform_relax_timers()
{
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, TIMER_SLACK_NANOSECONDS);
#endif
}

#endif
