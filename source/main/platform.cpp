// The platform interface over Windows' performance counter, 64-bit time functions and console,
// and over clock_gettime, localtime_r and the C library's streams elsewhere; in a browser, over
// the browser's own clock and calendar, since Emscripten's time_t has 32 bits and would run out
// in January 2038.
#include "main/platform.h"

#include <cstdio>
#include <cstdlib>

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

static void attach_stream(FILE* stream, DWORD handle_id)
{
    if (!GetStdHandle(handle_id))
        freopen("CONOUT$", "w", stream);
}

void platform_start_console()
{
    const bool given_both = GetStdHandle(STD_OUTPUT_HANDLE) && GetStdHandle(STD_ERROR_HANDLE);
    if (!given_both && AttachConsole(ATTACH_PARENT_PROCESS))
    {
        attach_stream(stdout, STD_OUTPUT_HANDLE);
        attach_stream(stderr, STD_ERROR_HANDLE);
    }
    // Windows' C runtime buffers a stream it is asked to buffer by lines as fully as any other.
    setvbuf(stdout, nullptr, _IONBF, 0);
}

// Windows' C runtime has no setenv, and its _putenv_s replaces what is set.
void platform_set_default_env(const char* name, const char* value)
{
    if (!getenv(name))
        _putenv_s(name, value);
}

#else

#ifdef __linux__
#include <sys/prctl.h>

constexpr unsigned long TIMER_SLACK_NANOSECONDS = 250000;
#endif

constexpr int64_t NANOSECONDS_PER_SECOND = 1000000000;

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

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

constexpr double MILLISECONDS_PER_SECOND = 1000.0;
constexpr int32_t TM_YEAR_BASE = 1900;
constexpr int32_t CALENDAR_FIELDS = 6;

// The browser's calendar at a moment in milliseconds since the epoch, in the page's time zone:
// year, month from 0, day of the month, hour, minute, second.
EM_JS(void, read_browser_calendar, (double milliseconds, int32_t* fields), {
    const date = new Date(milliseconds);
    HEAP32.set([date.getFullYear(), date.getMonth(), date.getDate(), date.getHours(),
                date.getMinutes(), date.getSeconds()], fields >> 2);
});

int64_t platform_calendar_seconds()
{
    return int64_t(std::floor(emscripten_date_now() / MILLISECONDS_PER_SECOND));
}

void platform_local_time(int64_t seconds, tm* local)
{
    int32_t fields[CALENDAR_FIELDS];
    read_browser_calendar(double(seconds) * MILLISECONDS_PER_SECOND, fields);
    *local = tm{};
    local->tm_year = fields[0] - TM_YEAR_BASE;
    local->tm_mon = fields[1];
    local->tm_mday = fields[2];
    local->tm_hour = fields[3];
    local->tm_min = fields[4];
    local->tm_sec = fields[5];
}

#else

int64_t platform_calendar_seconds()
{
    return int64_t(time(nullptr));
}

void platform_local_time(int64_t seconds, tm* local)
{
    time_t when = time_t(seconds);
    localtime_r(&when, local);
}

#endif

// Linux ends each sleep within a timer slack, 50 microseconds unless set.
void platform_relax_timers()
{
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, TIMER_SLACK_NANOSECONDS);
#endif
}

void platform_start_console()
{
    setvbuf(stdout, nullptr, _IOLBF, 0);
}

void platform_set_default_env(const char* name, const char* value)
{
    setenv(name, value, 0);
}

#endif
