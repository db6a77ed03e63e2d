// The character screen's share of a frame: clearing the 640x400 picture and rasterising a
// typical (300) and a full screen (2000) of glyphs, each beside a memset of the same number of
// bytes in the same run. Targets: the clear within 1.2 times its memset; 2000 glyphs (2000 x 128
// pixels) within 4 times a memset of those pixels.
#include <benchmark/benchmark.h>

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

static void BM_MemsetPicture(benchmark::State& state)
{
    Screen screen;
    for (auto _ : state)
    {
        memset(screen.pixels.data(), 0, PICTURE_PIXELS * sizeof(uint32_t));
        benchmark::DoNotOptimize(screen.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetPicture);

static void BM_Clear(benchmark::State& state)
{
    Screen screen;
    ascii_set_color(screen.ctx, 0, 3);
    for (auto _ : state)
    {
        ascii_clear(screen.ctx);
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
        ascii_set_color(screen.ctx, 0, 3);
        ascii_clear(screen.ctx);
        put_glyphs(screen.ctx, glyphs);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearAndGlyphs)->Arg(TYPICAL_GLYPHS)->Arg(SCREEN_GLYPHS);

static void BM_MemsetGlyphPixels(benchmark::State& state)
{
    Screen screen;
    const size_t bytes = size_t(state.range(0)) * GLYPH_PIXELS * sizeof(uint32_t);
    for (auto _ : state)
    {
        memset(screen.pixels.data(), 0, bytes);
        benchmark::DoNotOptimize(screen.pixels.data());
        benchmark::ClobberMemory();
    }
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
