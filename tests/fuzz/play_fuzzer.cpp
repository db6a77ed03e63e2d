// An arbitrary stream of frames played from a clean game, four bytes a frame: RandomInput makes
// them the mouse on a clickable place of the screen or anywhere at all, with the left, the right,
// both or neither button going down. Every frame must keep the game's rules. The same bytes are
// what the clocks read in that frame (the program is linked to take the game's calls of
// SDL_GetTicks and platform_calendar_seconds here), so that an input deals the same boards again.
#include "support/play.h"

static uint32_t s_clock_reading;
extern "C" uint32_t __wrap_SDL_GetTicks() { return s_clock_reading; }
extern "C" int64_t __wrap__Z25platform_calendar_secondsv() { return s_clock_reading; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TestDisplay display;  // for its picture; the game makes its own contexts
    ResetGame();
    for (size_t i = 0; i + 4 <= size; i += 4) {
        InputState input = RandomInput(s_clock_reading = data[i] | data[i + 1] << 8 | data[i + 2] << 16 | uint32_t(data[i + 3]) << 24);
        if (const std::string broken = FrameKeepingTheRules(&input, &display.output); !broken.empty())
            fprintf(stderr, "frame %zu: %s\n", i / 4, broken.c_str()), abort();
    }
    return 0;
}
