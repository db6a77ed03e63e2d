// The few operating-system services the program needs, one interface for every platform:
// a monotonic counter with its frequency, and calendar time.
#pragma once

#include <cstdint>
#include <ctime>

// Counts per second of platform_counter, or 0 when the system cannot tell.
int64_t platform_counter_frequency();
int64_t platform_counter();

// Seconds since the epoch, and that moment as local broken-down time.
int64_t platform_calendar_seconds();
void platform_local_time(int64_t seconds, tm* local);
