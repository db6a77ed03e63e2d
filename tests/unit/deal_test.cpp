// Dealing boards: the seeds from the date or the clocks, the generator's halving of seeds too
// large for it, and the daily board, the same all day. The daily board's every card is checked
// on the screen by the game's tests, and every board dealt in random play keeps the deck and
// its mines apart.
#include <gtest/gtest.h>

#include "game/deal.h"
#include "game/game.h"
#include "support/clocks.h"

constexpr uint32_t DAILY_SEED_1_JANUARY_2000 = 852472812;

TEST(Seeds, ComeFromTheDateAloneOrFromTheClocks) {
    EXPECT_EQ(DailySeed({2000, 1, 1, 0, 0, 0}), DAILY_SEED_1_JANUARY_2000);
    EXPECT_EQ(DailySeed({2000, 1, 1, 23, 59, 59}), DAILY_SEED_1_JANUARY_2000);
    EXPECT_EQ(DailySeed({2024, 2, 29, 12, 0, 0}), 1509643739u);
    g_test_clocks = {0, 0};
    EXPECT_EQ(TimeSeed(), 2336055580u);
    g_test_clocks = {1000000000, 5000};
    EXPECT_EQ(TimeSeed(), 209505443u);
}

TEST(Seeds, TooLargeForTheGeneratorAreHalvedUntilTheyFit) {
    const uint32_t seeds[] = {2147483646, 2147483647, 4294967293, 4294967294, 4294967295};
    // After the first step: from 2^31 - 2 unchanged, from 2147483647 / 2 = 1073741823.5, from
    // 2147483646.5, and twice halved from 1073741823.5 and 1073741823.75.
    const double states[] = {2147466840, 1073733420, 2147466840, 1073733420, 1073733420};
    for (int32_t i = 0; i < 5; ++i) {
        Random rng;
        rng.Seed(seeds[i]);
        EXPECT_EQ(rng.seed, states[i]) << "seed " << seeds[i];
    }
}

static std::vector<uint32_t> Board() {
    const uint32_t* cells = g_game.m_board.Cells();
    return std::vector<uint32_t>(cells, cells + 45);
}

TEST(Deal, TheDailyBoardIsTheSameAllDayAndAnotherTheNextDay) {
    g_test_clocks.calendar_seconds = MIDNIGHT_1_JANUARY_2000;
    NewGame(GAME_DAILY);
    const std::vector<uint32_t> first_second = Board();
    g_test_clocks.calendar_seconds = MIDNIGHT_2_JANUARY_2000 - 1;
    NewGame(GAME_DAILY);
    EXPECT_EQ(Board(), first_second);
    EXPECT_EQ(NewGameFromSeed(GAME_DAILY, DAILY_SEED_1_JANUARY_2000), 3) << "separation passes";
    EXPECT_EQ(Board(), first_second);
    g_test_clocks.calendar_seconds = MIDNIGHT_2_JANUARY_2000;
    NewGame(GAME_DAILY);
    EXPECT_NE(Board(), first_second);
    NewGameFromSeed(0, 1);  // a code of no kind of game: the normal game's board
    EXPECT_EQ(g_game.m_board.GetWidth(), 9);
    EXPECT_EQ(g_game.m_board.GetHeight(), 5);
}
