// The program's clocks: a monotonic high-resolution clock for pacing and start-up timings, and
// SDL's tick count, which the game mixes into its time seed.
#pragma once

void timer_init();
double timer_seconds();   // seconds since timer_init
double ticks_seconds();   // SDL's millisecond ticks / 1000
