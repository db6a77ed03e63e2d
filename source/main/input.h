// The per-frame input record filled from SDL's window events: the mouse in picture pixels, the
// two buttons, quit requests, and window resizes and exposures, which are handed on to the
// window.
#pragma once

#include <cstdint>

#include "main/frame_io.h"

// Handles every pending event in queue order. A close request or F4 (whatever the modifiers)
// sets *running to 0, and so does the loss of the window in a failed resize; a null running
// flag ignores them.
void poll_input(InputState* input, int32_t* running);
