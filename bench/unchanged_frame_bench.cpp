// A frame of the game screen that changes nothing, followed by the presentation work that finds
// the picture already shown and skips it, beside the same frame with one cell drawn differently,
// which is compared, copied into the window and flipped; and the frame alone, for reference. The
// board is the daily game of 1 January 2000 with the mouse over a card; its flashing card is held
// in one phase. The window is SDL's dummy driver's unless SDL_VIDEODRIVER names another: with
// x11 and a display, the changed frame pays for a real flip.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "ascii/ascii.h"
#include "game/deal.h"
#include "game/game.h"
#include "game/random.h"
#include "main/window.h"

// The game's context stays bound to the frame buffer of its first frame, as in the program.
static std::vector<uint32_t> g_pixels(size_t(PICTURE_W) * PICTURE_H);
static OutputState g_output = {g_pixels.data(), 0};
static InputState g_input = {21 * ASCII_W + 3, 2 * ASCII_H + 5, 0, 0, 0, 0};

// The cell that the changing frame draws: the last row's, so that the comparison runs almost to
// the end of the picture before it finds the change.
constexpr int32_t CHANGED_COLUMN = 78;
constexpr int32_t CHANGED_ROW = 24;

// The game's frame with its flashing clock held, so that a still board draws the same picture.
static void still_frame()
{
    g_game.m_ctx->frame = 0;
    RunFrame(&g_input, &g_output);
}

// Opens the window and deals the board once, then presents the still board, so that the window
// shows it before the timing starts.
static void start()
{
    if (!g_screen)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        if (SDL_Init(SDL_INIT_VIDEO) < 0 || !open_window(START_WINDOW_W, START_WINDOW_H))
            abort();
        RunFrame(&g_input, &g_output);
        NewGameFromSeed(GAME_DAILY, DailySeed({2000, 1, 1, 12, 0, 0}));
    }
    still_frame();
    present_frame(g_pixels.data());
}

static void BM_FrameAlone(benchmark::State& state)
{
    start();
    for (auto _ : state)
    {
        still_frame();
        benchmark::DoNotOptimize(g_pixels.data());
    }
}

static void BM_UnchangedFrameSkipped(benchmark::State& state)
{
    start();
    for (auto _ : state)
    {
        still_frame();
        present_frame(g_pixels.data());
    }
}

static void BM_OneCellChangedPresented(benchmark::State& state)
{
    start();
    uint32_t glyph = 'a';
    for (auto _ : state)
    {
        still_frame();
        glyph ^= 1;  // 'a' and '`' in turn: each frame differs from the one before
        set_cursor(CHANGED_COLUMN, CHANGED_ROW);
        put_char(glyph);
        present_frame(g_pixels.data());
    }
}

BENCHMARK(BM_FrameAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnchangedFrameSkipped)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneCellChangedPresented)->Unit(benchmark::kMicrosecond);
