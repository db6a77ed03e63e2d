// One whole frame of the game screen, as the main loop runs it sixty times a second: the clear,
// the buttons, the counters and the board of the daily game of 1 January 2000, with the mouse
// over a card.
#include <benchmark/benchmark.h>

#include <vector>

#include "game/deal.h"
#include "game/game.h"
#include "game/random.h"

// The game's context stays bound to the frame buffer of its first frame, as in the program, so
// every run of the benchmark draws into this one.
static std::vector<uint32_t> g_pixels(size_t(PICTURE_W) * PICTURE_H);

static void BM_RunFrame(benchmark::State& state)
{
    OutputState output = {g_pixels.data(), 0};
    InputState input = {};
    RunFrame(&input, &output);
    NewGameFromSeed(GAME_DAILY, DailySeed({2000, 1, 1, 12, 0, 0}));
    input.mouse_x = 21 * 8 + 3;
    input.mouse_y = 2 * 16 + 5;
    for (auto _ : state)
    {
        RunFrame(&input, &output);
        benchmark::DoNotOptimize(g_pixels.data());
    }
}
BENCHMARK(BM_RunFrame);
