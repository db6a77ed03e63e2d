// The program's clocks: a monotonic high-resolution clock for pacing and start-up timings, and
// SDL's tick count, which the game mixes into its time seed.
#pragma once

#include <cstdint>

void timer_init();
// What timer_init does with the frequency the platform reports; 0 means it could not tell, and
// the clock then counts SDL's milliseconds.
void timer_init_with_frequency(int64_t counter_frequency);
double timer_seconds();   // seconds since timer_init
double ticks_seconds();   // SDL's millisecond ticks / 1000
