// The character screen's share of a frame: clearing the whole 640x400 picture, clearing it and
// drawing a typical (300) and a full screen (2000) of glyphs again, and rasterising them, each
// beside a memset of the same number of bytes in the same run. Targets: the whole clear within
// 1.2 times its memset; 2000 glyphs (2000 x 128 pixels) within 4 times a memset of those pixels.
//
// On a shared machine separate benchmarks see different neighbours, so the *VersusMemset ones
// also time the memset and the drawing alternately in each iteration and report the ratio.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "ascii/ascii.h"

static constexpr int32_t PICTURE_PIXELS = PICTURE_W * PICTURE_H;
static constexpr int32_t TYPICAL_GLYPHS = 300;
static constexpr int32_t SCREEN_GLYPHS = ASCII_COLUMNS * ASCII_ROWS;
static constexpr int32_t GLYPH_PIXELS = ASCII_W * ASCII_H;

struct Screen
{
    std::vector<uint32_t> pixels = std::vector<uint32_t>(PICTURE_PIXELS);
    OutputState output = {pixels.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);
    ~Screen() { ascii_destroy(&ctx); }
};

// Every glyph in turn, in two colour pairs, from the top-left cell on.
static void put_glyphs(AsciiCtx* ctx, int32_t count)
{
    ascii_set_cursor(ctx, 0, 0);
    for (int32_t i = 0; i < count; ++i)
    {
        ascii_set_color(ctx, (i & 1) ? 0 : 4, 3);
        ascii_put_char(ctx, uint32_t(i & 0xFF));
    }
}

static void clear_picture(AsciiCtx* ctx)
{
    ascii_set_color(ctx, 0, 3);
    ascii_clear(ctx);
}

// A clear on the background of the last one repaints only the cells drawn since; backgrounds
// that take turns make every clear paint the whole picture.
static void clear_whole_picture(AsciiCtx* ctx)
{
    ascii_set_color(ctx, 0, ctx->bg_color == 3 ? 4 : 3);
    ascii_clear(ctx);
}

static void memset_pixels(Screen* screen, int32_t pixels)
{
    memset(screen->pixels.data(), 0, size_t(pixels) * sizeof(uint32_t));
    benchmark::DoNotOptimize(screen->pixels.data());
    benchmark::ClobberMemory();
}

static void BM_MemsetPicture(benchmark::State& state)
{
    Screen screen;
    for (auto _ : state)
        memset_pixels(&screen, PICTURE_PIXELS);
}
BENCHMARK(BM_MemsetPicture);

static void BM_Clear(benchmark::State& state)
{
    Screen screen;
    for (auto _ : state)
    {
        clear_whole_picture(screen.ctx);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Clear);

static void BM_ClearAndGlyphs(benchmark::State& state)
{
    Screen screen;
    const int32_t glyphs = int32_t(state.range(0));
    for (auto _ : state)
    {
        clear_picture(screen.ctx);
        put_glyphs(screen.ctx, glyphs);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearAndGlyphs)->Arg(TYPICAL_GLYPHS)->Arg(SCREEN_GLYPHS);

static void BM_MemsetGlyphPixels(benchmark::State& state)
{
    Screen screen;
    const int32_t pixels = int32_t(state.range(0)) * GLYPH_PIXELS;
    for (auto _ : state)
        memset_pixels(&screen, pixels);
}
BENCHMARK(BM_MemsetGlyphPixels)->Arg(TYPICAL_GLYPHS)->Arg(SCREEN_GLYPHS);

static void BM_Glyphs(benchmark::State& state)
{
    Screen screen;
    const int32_t glyphs = int32_t(state.range(0));
    for (auto _ : state)
    {
        put_glyphs(screen.ctx, glyphs);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Glyphs)->Arg(TYPICAL_GLYPHS)->Arg(SCREEN_GLYPHS);

using Clock = std::chrono::steady_clock;

// Runs the memset and the drawing one after the other in every iteration and reports the
// drawing's time as a multiple of the memset's.
template <typename Draw>
static void run_versus_memset(benchmark::State& state, Screen* screen, int32_t memset_pixel_count, Draw draw)
{
    Clock::duration memset_time{};
    Clock::duration draw_time{};
    for (auto _ : state)
    {
        const Clock::time_point start = Clock::now();
        memset_pixels(screen, memset_pixel_count);
        const Clock::time_point middle = Clock::now();
        draw();
        benchmark::ClobberMemory();
        const Clock::time_point end = Clock::now();
        memset_time += middle - start;
        draw_time += end - middle;
    }
    state.counters["ratio"] = double(draw_time.count()) / double(memset_time.count());
}

static void BM_ClearVersusMemset(benchmark::State& state)
{
    Screen screen;
    run_versus_memset(state, &screen, PICTURE_PIXELS, [&] { clear_whole_picture(screen.ctx); });
}
BENCHMARK(BM_ClearVersusMemset);

static void BM_GlyphsVersusMemset(benchmark::State& state)
{
    Screen screen;
    const int32_t glyphs = int32_t(state.range(0));
    run_versus_memset(state, &screen, glyphs * GLYPH_PIXELS, [&] { put_glyphs(screen.ctx, glyphs); });
}
BENCHMARK(BM_GlyphsVersusMemset)->Arg(TYPICAL_GLYPHS)->Arg(SCREEN_GLYPHS);
