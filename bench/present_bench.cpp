// The enlarged copy of the picture against a plain memcpy of as many bytes, at the start
// window's scale 2 (1280 x 800) and at scale 5 in a 3840 x 2160 window. The copy should cost at
// most one and a half times the memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "main/frame_io.h"
#include "main/picture_copy.h"

struct PresentCase
{
    int32_t window_w;
    int32_t window_h;
    int32_t scale;
};

static const PresentCase CASES[] = {{1280, 800, 2}, {3840, 2160, 5}};

static std::vector<uint32_t> make_picture()
{
    std::vector<uint32_t> picture(size_t(PICTURE_W) * PICTURE_H);
    uint32_t state = 0x12345678;
    for (uint32_t& pixel : picture)
    {
        state = state * 1664525u + 1013904223u;
        pixel = 0xFF000000u | (state >> 8);
    }
    return picture;
}

static size_t enlarged_bytes(const PresentCase& c)
{
    return size_t(PICTURE_W) * c.scale * PICTURE_H * c.scale * sizeof(uint32_t);
}

static void BM_CopyPictureScaled(benchmark::State& state)
{
    const PresentCase& c = CASES[state.range(0)];
    const std::vector<uint32_t> picture = make_picture();
    std::vector<uint32_t> window(size_t(c.window_w) * c.window_h);
    const int32_t offset_x = (c.window_w - PICTURE_W * c.scale) / 2;
    const int32_t offset_y = (c.window_h - PICTURE_H * c.scale) / 2;
    for (auto _ : state)
    {
        copy_picture_scaled(window.data(), c.window_w * int32_t(sizeof(uint32_t)), c.scale, offset_x,
                            offset_y, picture.data());
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(enlarged_bytes(c)));
    state.SetLabel(std::to_string(c.window_w) + "x" + std::to_string(c.window_h) + " scale " +
                   std::to_string(c.scale));
}

static void BM_MemcpySameBytes(benchmark::State& state)
{
    const PresentCase& c = CASES[state.range(0)];
    const size_t bytes = enlarged_bytes(c);
    std::vector<uint8_t> source(bytes, 0x5A);
    std::vector<uint8_t> window(bytes);
    for (auto _ : state)
    {
        memcpy(window.data(), source.data(), bytes);
        benchmark::DoNotOptimize(window.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    state.SetLabel(std::to_string(bytes) + " bytes");
}

BENCHMARK(BM_CopyPictureScaled)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpySameBytes)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
