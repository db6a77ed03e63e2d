// A display context over a frame buffer of its own, for tests of anything that draws. The buffer
// starts filled with a value no palette entry has, so untouched pixels can be told apart; the
// context is destroyed and the current context cleared at the end of the test.
#pragma once

#include <cstdint>
#include <vector>

#include "ascii/ascii.h"

constexpr uint32_t UNTOUCHED_PIXEL = 0x12345678;

struct TestDisplay
{
    std::vector<uint32_t> frame = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H, UNTOUCHED_PIXEL);
    OutputState output = {frame.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);

    TestDisplay() = default;
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;
    ~TestDisplay()
    {
        ascii_destroy(&ctx);
        ascii_set_ctx(nullptr);
    }

    uint32_t pixel(int32_t x, int32_t y) const { return frame[size_t(y) * PICTURE_W + x]; }
    uint32_t cell(int32_t column, int32_t row) const { return ctx->char_data[row * ctx->size.x + column]; }
};
