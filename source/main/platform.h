// The few operating-system services the program needs, one interface for every platform:
// a monotonic counter with its frequency, calendar time, how exactly sleeps end, the console the
// diagnostic lines go to, and defaults for the environment that SDL reads.
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

// Makes each line printed to standard output reach the console or pipe at once. Where the
// platform starts a windowed program without standard output or error (Windows, when it was not
// given any), they go to the console of the program that started it, if there is one.
void platform_start_console();

// Sets an environment variable unless it is set already: the user's own choice is kept.
void platform_set_default_env(const char* name, const char* value);
