// The few operating-system services the program needs, one interface for every platform:
// a monotonic counter with its frequency, calendar time, and how exactly sleeps end.
#pragma once

#include <cstdint>
#include <ctime>

// Counts per second of platform_counter, or 0 when the system cannot tell.
int64_t platform_counter_frequency();
int64_t platform_counter();

// Seconds since the epoch, and that moment as local broken-down time.
int64_t platform_calendar_seconds();
void platform_local_time(int64_t seconds, tm* local);

// Lets the system end a sleep up to a quarter of a millisecond late: the loop's wait for the end
// of a frame then wakes the process about 2 times a frame instead of 6, for 59.4 frames a
// second instead of 59.8.
void platform_relax_timers();
