// A million frames of random play without a window, every frame keeping the game's rules, and the
// process's resident memory at the end no more than a megabyte above what it was after the first
// 10,000 frames. The input comes from a seed, printed first: SOAK_SEED, or else the clock. New
// games take their boards from the clocks, as in the game.
#include <fstream>

#include "support/play.h"

TEST_F(Play, AMillionFramesKeepTheRulesAndTheMemoryTheyFirstNeeded) {
    auto resident_bytes = [] { long size = 0, pages = 0; std::ifstream("/proc/self/statm") >> size >> pages; return pages * sysconf(_SC_PAGESIZE); };
    uint32_t bits = getenv("SOAK_SEED") ? uint32_t(atoll(getenv("SOAK_SEED"))) : uint32_t(time(nullptr));
    printf("SOAK_SEED=%u\n", bits);
    long settled = 0;
    for (int32_t frame = 1; frame <= 1000000; ++frame) {
        InputState random = RandomInput(bits = bits * 1664525u + 1013904223u);
        ASSERT_EQ(FrameKeepingTheRules(&random, &output), "") << "frame " << frame;
        settled = frame == 10000 ? resident_bytes() : settled;
    }
    const long last = resident_bytes();
    printf("resident memory: %ld bytes after frame 10,000, %ld after the last\n", settled, last);
    EXPECT_LE(last - settled, 1 << 20);
}
