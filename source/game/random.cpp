// The Park-Miller generator, the two seed formulas and the shuffle: pure arithmetic, so the same
// seed deals the same board everywhere. Reading the clocks for a seed is left to new_game.cpp.
#include "game/random.h"

#include "main/assertion.h"

// The minimal standard generator: state' = 16807 * state mod (2^31 - 1), evaluated with Schrage's
// decomposition of the modulus (127773 * 16807 + 2836) so that no intermediate leaves 32 bits.
constexpr int32_t GENERATOR_MULTIPLIER = 16807;
constexpr int32_t GENERATOR_MODULUS = 2147483647;
constexpr int32_t SCHRAGE_QUOTIENT = 127773;
constexpr int32_t SCHRAGE_REMAINDER = 2836;
// A little below 1 / (2^31 - 1), so that even the largest state gives a draw below 1.
constexpr double STATE_TO_UNIT = 4.656612875e-10;

// The mixing constants of the time seed.
constexpr uint64_t TIME_MULTIPLIER = 1440550361;
constexpr uint64_t TIME_INCREMENT = 1041869969;
constexpr int32_t TIME_SHIFT = 11;
constexpr uint32_t TIME_SCRAMBLE = 525804719;
constexpr uint32_t TIME_TICK_MULTIPLIER = 198491317;

// The weights of the date in the daily seed; the time of day is left out on purpose.
constexpr uint32_t DAILY_YEAR_WEIGHT = 98837;
constexpr uint32_t DAILY_MONTH_WEIGHT = 654798811;

void Random::Seed(uint32_t value)
{
    double state = value;
    while (state >= double(GENERATOR_MODULUS))
        state *= 0.5;
    seed = state;
    Next();
}

double Random::Next()
{
    ASSERT(seed);
    int32_t n = int32_t(seed);
    int32_t hi = n / SCHRAGE_QUOTIENT;
    int32_t lo = n - SCHRAGE_QUOTIENT * hi;
    int32_t v = GENERATOR_MULTIPLIER * lo - SCHRAGE_REMAINDER * hi;
    if (v <= 0)
        v += GENERATOR_MODULUS;
    seed = v;
    return v * STATE_TO_UNIT;
}

uint32_t MixTimeSeed(int64_t calendar_seconds, uint32_t tick_microseconds)
{
    uint32_t seconds_low = uint32_t(calendar_seconds);
    uint32_t us = tick_microseconds;
    uint32_t a =
        uint32_t((uint64_t(calendar_seconds) * TIME_MULTIPLIER + TIME_INCREMENT) >> TIME_SHIFT);
    uint32_t b = us * uint32_t(TIME_MULTIPLIER) + uint32_t(TIME_INCREMENT);
    uint32_t c = (a ^ b) * TIME_SCRAMBLE;
    uint32_t d = c ^ (us * TIME_TICK_MULTIPLIER + seconds_low);
    uint32_t mixed = d + seconds_low + us;
    return mixed != 0 ? mixed : TIME_SEED_FALLBACK;
}

uint32_t DailySeed(DateTime date)
{
    return uint32_t(date.year) * DAILY_YEAR_WEIGHT + uint32_t(date.month) * DAILY_MONTH_WEIGHT +
           uint32_t(date.day);
}

void ShuffleValues(uint32_t* values, int32_t count, uint32_t seed)
{
    Random rng;
    rng.Seed(seed);
    for (int32_t i = count - 1; i >= 0; --i)
    {
        int32_t j = int32_t(rng.Next() * (i + 1));
        uint32_t value = values[i];
        values[i] = values[j];
        values[j] = value;
    }
}

void Shuffle(Array<uint32_t>& values, uint32_t seed)
{
    uint32_t* first = &values[0];
    ShuffleValues(first, values.size(), seed);
}
