// Starting a game now: the seed read from the clocks or from the local calendar date, then the
// deal of deal.cpp. The only part of board generation that depends on when it runs, kept apart
// so that dealing from a known seed needs no clock.
#include "game/deal.h"
#include "game/game.h"
#include "game/random.h"
#include "main/clock.h"
#include "main/platform.h"

constexpr int32_t TM_YEAR_BASE = 1900;
constexpr double THOUSAND = 1000.0;

DateTime GetLocalDateTime()
{
    tm local = {};
    platform_local_time(platform_calendar_seconds(), &local);
    DateTime now;
    now.year = local.tm_year + TM_YEAR_BASE;
    now.month = local.tm_mon + 1;
    now.day = local.tm_mday;
    now.hour = local.tm_hour;
    now.minute = local.tm_min;
    now.second = local.tm_sec;
    return now;
}

uint32_t TimeSeed()
{
    // Seconds to milliseconds, then to microseconds: two roundings, which one multiplication by
    // a million would not always match. The count keeps only its low 32 bits.
    int64_t tick_microseconds = int64_t(ticks_seconds() * THOUSAND * THOUSAND);
    return MixTimeSeed(platform_calendar_seconds(), uint32_t(tick_microseconds));
}

void NewGame(int32_t type)
{
    uint32_t seed = type == GAME_DAILY ? DailySeed(GetLocalDateTime()) : TimeSeed();
    NewGameFromSeed(type, seed);
}
