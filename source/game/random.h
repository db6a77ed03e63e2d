// Reproducible randomness for board generation: the Park-Miller minimal standard generator, the
// seeds made from the clocks or from the local calendar date, and the Fisher-Yates shuffle.
#pragma once

#include <cstdint>

#include "array/array.h"

struct Random
{
    double seed = 0;  // 1..2147483646 after the first step; zero is invalid

    void Seed(uint32_t value);
    double Next();  // strictly between 0 and 1
};

struct DateTime
{
    int32_t year, month, day, hour, minute, second;
};

DateTime GetLocalDateTime();

// What the time seed becomes when the clocks happen to mix to 0, a state the generator rejects.
constexpr uint32_t TIME_SEED_FALLBACK = 1;

// The time seed mixed from a calendar time in seconds and a microsecond tick count; never 0.
uint32_t MixTimeSeed(int64_t calendar_seconds, uint32_t tick_microseconds);
uint32_t TimeSeed();
uint32_t DailySeed(DateTime date);

void ShuffleValues(uint32_t* values, int32_t count, uint32_t seed);
void Shuffle(Array<uint32_t>& values, uint32_t seed);
