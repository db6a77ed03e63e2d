// Test double for the shell's tick clock, so that window-less tests can link the time seed
// without SDL. Weak: whenever the real clock is linked in, its definition wins.
#include "main/clock.h"

__attribute__((weak)) double ticks_seconds()
{
    return 0.0;
}
