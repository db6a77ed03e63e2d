// An arbitrary stream of frames played from a clean game, four bytes a frame: RandomInput makes
// them the mouse on a clickable place of the screen or anywhere at all, with the left, the right,
// both or neither button going down. The same bytes are what the clocks read in that frame, so
// that an input deals the same boards again. Every frame must keep the game's rules.
#include <cstring>

#include "support/clocks.h"
#include "support/play.h"
#include "support/screen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TestDisplay display;  // for its picture; the game makes its own contexts
    ResetGame();
    for (size_t i = 0; i + 4 <= size; i += 4) {
        uint32_t bits = 0;
        memcpy(&bits, data + i, 4);
        g_test_clocks = {int64_t(bits), bits};
        InputState input = RandomInput(bits);
        const std::string broken = FrameKeepingTheRules(&input, &display.output);
        if (!broken.empty()) {
            fprintf(stderr, "frame %zu: %s\n", i / 4, broken.c_str());
            abort();
        }
    }
    return 0;
}
