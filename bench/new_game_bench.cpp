// Dealing a new board from a seed, for each kind of game, and how many mine-separation passes
// the deals take: the separation has no pass limit, so its mean and its worst case over many
// seeds are reported as counters (mean_passes, worst_passes).
#include <benchmark/benchmark.h>

#include <vector>

#include "game/deal.h"
#include "game/game.h"
#include "game/random.h"

constexpr int32_t DEAL_SEEDS = 4096;
constexpr int32_t PASS_SURVEY_SEEDS = 100000;
constexpr int64_t CALENDAR_2026 = 1767225600;  // 1 January 2026, 00:00 UTC

static bool IsLeapYear(int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static void NextDay(DateTime* date)
{
    static const int32_t days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int32_t month_days = date->month == 2 && IsLeapYear(date->year) ? 29 : days[date->month - 1];
    if (++date->day <= month_days)
        return;
    date->day = 1;
    if (++date->month <= 12)
        return;
    date->month = 1;
    ++date->year;
}

// The seeds a kind of game would meet: consecutive days from 1 January 2000 for the daily game,
// clock readings a minute or so apart for the others.
static std::vector<uint32_t> KindSeeds(int32_t type, int32_t count)
{
    std::vector<uint32_t> seeds;
    DateTime date = {2000, 1, 1, 0, 0, 0};
    for (int32_t i = 0; i < count; ++i)
    {
        if (type == GAME_DAILY)
        {
            seeds.push_back(DailySeed(date));
            NextDay(&date);
        }
        else
        {
            uint32_t tick_ms = uint32_t(i) * 60013u + 1234u;
            seeds.push_back(MixTimeSeed(CALENDAR_2026 + int64_t(i) * 61, tick_ms * 1000u));
        }
    }
    return seeds;
}

static void BM_NewGameFromSeed(benchmark::State& state)
{
    const int32_t type = int32_t(state.range(0));
    const std::vector<uint32_t> seeds = KindSeeds(type, DEAL_SEEDS);
    size_t next = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(NewGameFromSeed(type, seeds[next]));
        next = (next + 1) % seeds.size();
    }
}
BENCHMARK(BM_NewGameFromSeed)->DenseRange(GAME_DAILY, GAME_HARD);

static void BM_SeparationPasses(benchmark::State& state)
{
    const int32_t type = int32_t(state.range(0));
    const std::vector<uint32_t> seeds = KindSeeds(type, PASS_SURVEY_SEEDS);
    int64_t total = 0;
    int32_t worst = 0;
    for (auto _ : state)
        for (uint32_t seed : seeds)
        {
            int32_t passes = NewGameFromSeed(type, seed);
            total += passes;
            worst = passes > worst ? passes : worst;
        }
    state.counters["seeds"] = double(seeds.size());
    state.counters["mean_passes"] = double(total) / double(seeds.size());
    state.counters["worst_passes"] = worst;
}
BENCHMARK(BM_SeparationPasses)->DenseRange(GAME_DAILY, GAME_HARD)->Iterations(1)->Unit(benchmark::kMillisecond);
