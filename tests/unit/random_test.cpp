// The generator against plain 64-bit modular arithmetic and its known first states, the seed
// formulas, the shuffle, and the zero states that must never reach the generator.
#include "game/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "game/deal.h"
#include "game/game.h"
#include "support/assert_death.h"

constexpr int64_t MODULUS = 2147483647;

static int64_t ReferenceStep(int64_t state)
{
    return state * 16807 % MODULUS;
}

TEST(Random, FirstDrawsAfterSeedOne)
{
    Random rng;
    rng.Seed(1);
    EXPECT_EQ(rng.seed, 16807.0);

    struct Draw
    {
        double state;
        double value;
    };
    const Draw draws[] = {
        {282475249, 0.1315377881},
        {1622650073, 0.7556053222},
        {984943658, 0.4586501319},
    };
    for (const Draw& draw : draws)
    {
        double value = rng.Next();
        EXPECT_EQ(rng.seed, draw.state);
        EXPECT_NEAR(value, draw.value, 1e-10);
    }
}

TEST(Random, StepsLikeTheModularProduct)
{
    // Around the pivots of Schrage's decomposition, and the states that step to 1 and to the top.
    std::vector<int64_t> states = {1, 2, 127772, 127773, 127774, 2 * 127773, 16807 * 127773 - 1,
                                   1407677000, 739806647, MODULUS - 2, MODULUS - 1};
    for (int64_t state = 1; state < MODULUS; state += 20011)
        states.push_back(state);

    for (int64_t state : states)
    {
        Random rng;
        rng.seed = double(state);
        double value = rng.Next();
        int64_t next = ReferenceStep(state);
        ASSERT_EQ(rng.seed, double(next)) << "from state " << state;
        ASSERT_GT(value, 0.0) << "from state " << state;
        ASSERT_LT(value, 1.0) << "from state " << state;
        ASSERT_NEAR(value, double(next) / double(MODULUS), 1e-9) << "from state " << state;
    }
}

TEST(Random, DrawsStayStrictlyInsideTheUnitInterval)
{
    Random lowest;
    lowest.seed = 1407677000;  // steps to state 1
    EXPECT_EQ(lowest.Next(), 4.656612875e-10);
    EXPECT_EQ(lowest.seed, 1.0);

    Random highest;
    highest.seed = 739806647;  // steps to state 2147483646
    double top = highest.Next();
    EXPECT_EQ(highest.seed, 2147483646.0);
    EXPECT_LT(top, 1.0);
    EXPECT_NEAR(top, 0.99999999948, 1e-11);
}

TEST(Random, SeedsAtOrAboveTheModulusAreHalved)
{
    struct Case
    {
        uint32_t value;
        int64_t truncated_stored;  // what the seeding step starts from
    };
    const Case cases[] = {
        {4294967295u, 1073741823},  // halved twice: 1073741823.75
        {4294967294u, 1073741823},  // halved twice: 1073741823.5
        {4294967293u, 2147483646},  // halved once: 2147483646.5
        {2147483647u, 1073741823},  // halved once: 1073741823.5
        {2147483646u, 2147483646},  // kept
        {1u, 1},
    };
    for (const Case& c : cases)
    {
        Random rng;
        rng.Seed(c.value);
        EXPECT_EQ(rng.seed, double(ReferenceStep(c.truncated_stored))) << "seed " << c.value;
    }

    Random a, b;
    a.Seed(4294967295u);
    b.Seed(2147483646u);
    EXPECT_EQ(a.seed, 1073733420.0);
    EXPECT_EQ(b.seed, 2147466840.0);
}

TEST(Random, ShuffleOfOneToFiveWithSeedOne)
{
    uint32_t values[] = {1, 2, 3, 4, 5};
    ShuffleValues(values, 5, 1);
    EXPECT_EQ(std::vector<uint32_t>(values, values + 5), (std::vector<uint32_t>{5, 3, 2, 4, 1}));

    Array<uint32_t> array;
    for (uint32_t i = 1; i <= 5; ++i)
        array.push(i);
    Shuffle(array, 1);
    std::vector<uint32_t> shuffled;
    for (int32_t i = 0; i < array.size(); ++i)
        shuffled.push_back(array[i]);
    EXPECT_EQ(shuffled, (std::vector<uint32_t>{5, 3, 2, 4, 1}));
}

TEST(Random, ShuffleLeavesShortRunsAlone)
{
    uint32_t untouched[] = {9, 8};
    ShuffleValues(untouched, 0, 3);
    ShuffleValues(untouched, -1, 3);
    ShuffleValues(untouched, 1, 3);
    EXPECT_EQ(untouched[0], 9u);
    EXPECT_EQ(untouched[1], 8u);
}

struct DailyCase
{
    DateTime date;
    uint32_t seed;
};

TEST(Random, DailySeedOfKnownDates)
{
    const DailyCase cases[] = {
        {{2000, 1, 1, 0, 0, 0}, 852472812u},
        {{2000, 1, 1, 23, 59, 60}, 852472812u},
        {{2024, 2, 29, 12, 30, 0}, 1509643739u},
        {{2026, 12, 5, 0, 0, 0}, 3762862203u},
        {{2026, 12, 5, 7, 8, 9}, 3762862203u},
    };
    for (const DailyCase& c : cases)
        EXPECT_EQ(DailySeed(c.date), c.seed) << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

static bool IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static int32_t DaysInMonth(int32_t year, int32_t month)
{
    static const int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

TEST(Random, EveryDateFromYearOneTo9999HasItsOwnNonZeroSeed)
{
    std::vector<uint32_t> seeds;
    seeds.reserve(3652059);
    for (int32_t year = 1; year <= 9999; ++year)
        for (int32_t month = 1; month <= 12; ++month)
            for (int32_t day = 1; day <= DaysInMonth(year, month); ++day)
                seeds.push_back(DailySeed({year, month, day, 0, 0, 0}));
    ASSERT_EQ(seeds.size(), 3652059u) << "days from 1 January 1 to 31 December 9999";

    std::sort(seeds.begin(), seeds.end());
    EXPECT_NE(seeds.front(), 0u);
    auto repeat = std::adjacent_find(seeds.begin(), seeds.end());
    EXPECT_TRUE(repeat == seeds.end()) << "seed " << *repeat << " is shared";
}

TEST(Random, TimeSeedMixing)
{
    struct Case
    {
        int64_t calendar_seconds;
        uint32_t tick_microseconds;
        uint32_t seed;
    };
    const Case cases[] = {
        {0, 0, 2336055580u},
        {1000000000, 5000000, 209505443u},
        // Readings that mix to 0, found by search: 1 January 2026 about 00:08 UTC, some 45 and
        // 68 minutes after start-up. Zero would stop the generator, so they give the fallback.
        {1767226098, 2675371000u, TIME_SEED_FALLBACK},
        {1767226203, 4070442000u, TIME_SEED_FALLBACK},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MixTimeSeed(c.calendar_seconds, c.tick_microseconds), c.seed)
            << "t " << c.calendar_seconds << " us " << c.tick_microseconds;

    EXPECT_NE(TIME_SEED_FALLBACK, 0u);
    EXPECT_NE(MixTimeSeed(1767226098, 2675372000u), TIME_SEED_FALLBACK);
}

TEST(Random, ClockReadingsThatMixToZeroStillStartAGame)
{
    uint32_t seed = MixTimeSeed(1767226098, 2675371000u);
    NewGameFromSeed(GAME_NORMAL, seed);
    EXPECT_EQ(g_game.m_board.GetWidth(), 9);
    EXPECT_EQ(g_game.m_board.GetHeight(), 5);
}

TEST(Random, LocalDateTimeIsTheCalendarNow)
{
    time_t before = time(nullptr);
    DateTime now = GetLocalDateTime();
    time_t after = time(nullptr);

    tm local = {};
    local.tm_year = now.year - 1900;
    local.tm_mon = now.month - 1;
    local.tm_mday = now.day;
    local.tm_hour = now.hour;
    local.tm_min = now.minute;
    local.tm_sec = now.second;
    local.tm_isdst = -1;
    time_t back = mktime(&local);
    // An hour of slack for a reading inside the hour that a change of daylight saving repeats.
    const time_t fold = 3600;
    EXPECT_GE(back, before - fold);
    EXPECT_LE(back, after + fold);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

TEST(RandomDeathTest, ZeroStatesAndEmptyShuffles)
{
    Random rng;
    EXPECT_ASSERT_DEATH(rng.Seed(0), "seed");
    EXPECT_ASSERT_DEATH(rng.Next(), "seed");

    Array<uint32_t> empty;
    EXPECT_ASSERT_DEATH(Shuffle(empty, 1), "index >= 0 && index < m_data->size");
}
