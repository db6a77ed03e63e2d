// The game: its generator, its seeds and the daily board they deal, then the game screen and its
// overlays played frame by frame on that board, by script and at random. A card's label stands
// at column 21 + 4x, row 2 + 2y, its same-suit number one row below:
//
//        x: 0   1   2   3   4   5   6   7   8
//   y 0:   Jd  2c  6d  8d  6h  10c 7d  **  5c      starting reveals: 8d (3, 0), 3h (5, 1)
//   y 1:   5d  9h  **  Kc  Qd  3h  4h  Jc  7c      and 4c (6, 4)
//   y 2:   6c  **  3d  3c  2h  10d 8h  4d  5h
//   y 3:   **  Kh  9d  Kd  **  8c  10h Qc  2d
//   y 4:   Ad  Ac  **  Jh  Qh  Ah  4c  9c  7h
#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <fstream>

#include "game/deal.h"
#include "support/play.h"

TEST(Rules, SeedsFromTheDateOrTheClocksStartTheMinimalStandardGenerator) {
    EXPECT_EQ(DailySeed({2026, 12, 5, 23, 59, 59}), 3762862203u);
    EXPECT_EQ(MixTimeSeed(1000000000, 5000000), 209505443u);
    // Seeds of 2^31 - 1 and more are halved until they fit, and the first step drops the fraction:
    // 2^32 - 2 halves to 2^31 - 1, which is halved again, to 2^30 - 0.5.
    Random rng;
    rng.Seed(4294967294u);
    EXPECT_EQ(rng.seed, double(16807 * int64_t(1073741823) % 2147483647));
    // Today's daily game is the daily board of today's local date, whatever the time.
    NewGame(GAME_DAILY);
    const std::vector<uint32_t> today(g_game.m_board.Cells(), g_game.m_board.Cells() + 45);
    const time_t now = time(nullptr);
    const tm local = *localtime(&now);
    NewGameFromSeed(GAME_DAILY, DailySeed({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, 0, 0, 0}));
    EXPECT_EQ(std::vector<uint32_t>(g_game.m_board.Cells(), g_game.m_board.Cells() + 45), today);
}

const std::string START_ROW = " --  --  --  8♦  --  --  --  --  --    ", BLANK(40, ' ');

enum Press : int32_t { NONE, LEFT, RIGHT };

struct Step {
    int32_t column, row;  // the mouse's cell; a negative column leaves the mouse where it is
    Press press;
    int32_t read_column, read_row;
    std::string text;  // what the screen then reads from that cell on
};

// The daily board for 1 January 2000, dealt on a game screen that draws into a test display.
class DailyGame : public testing::Test, public TestDisplay {
protected:
    void SetUp() override {
        ResetGame();
        Frame();
        EXPECT_EQ(NewGameFromSeed(GAME_DAILY, 852472812u), 3) << "two passes with swaps and a clean one";
        Frame();
    }
    void TearDown() override { ResetGame(); }

    void Frame() {
        ascii_set_ctx(nullptr);  // the frame makes its own context current
        RunFrame(&input, &output);
        EXPECT_EQ(output.present, 1) << "every frame asks to be shown";
        output.present = 0;
    }
    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (step.column >= 0)
                input.mouse_x = step.column * ASCII_W + 3, input.mouse_y = step.row * ASCII_H + 5;
            input.left_clicked = step.press == LEFT;
            input.right_clicked = step.press == RIGHT;
            Frame();
            EXPECT_EQ(Text(step.read_column, step.read_row, step.text), step.text) << "step " << &step - &steps[0];
        }
    }
    // As many frames as the game screen's count is short of `frame`: a count that stands still ends them too.
    void FramesTo(int32_t frame) {
        for (int32_t n = frame - g_game.m_ctx->frame; n > 0; --n)
            Frame();
    }
    int32_t Colours(int32_t column, int32_t row) const { return Cell(column, row).fg * 100 + Cell(column, row).bg; }

    InputState input = {};
};

TEST_F(DailyGame, RevealingEveryCardWithEveryMineMarkedWins) {
    Run({{-1, 0, NONE, 20, 4, " --  --  --  --  --  3♥  --  --  --  "}});
    for (int32_t i = 0; i < 45; ++i)  // every mine marked, every card revealed
        Run({{21 + 4 * (i % 9), 2 + 2 * (i / 9), g_game.m_board.Cells()[i] == CELL_MINE ? RIGHT : LEFT, 0, 23, BLANK}});
    // Then the board's fourth row, y = 3: labels, and under each card the count of its suit around it.
    Run({{-1, 0, NONE, 0, 23, " YOU WON! CONGRATS! "}, {-1, 0, NONE, 0, 24, " Mines: 6 / 6  ♥: 13/13   ♦: 13/13   ♣: 13/13 "},
         {-1, 0, NONE, 20, 8, " xx  K♥  9♦  K♦  xx  8♣  10♥ Q♣  2♦  "}, {-1, 0, NONE, 20, 9, "     0   2   2       1   2   2   1   "}});
}

TEST_F(DailyGame, ClicksRevealMarkAndLoseFromTheNextFrameOnAndCardsNextToAMineFlash) {
    Run({{21, 2, NONE, 0, 0, ""}});  // colours are fg * 100 + bg: the hovered card swaps them
    const int32_t expected[][3] = {{21, 2, 300}, {25, 2, 3}, {33, 3, 803}, {41, 4, 403}, {15, 24, 403}};
    for (const auto& [column, row, colours] : expected)
        EXPECT_EQ(Colours(column, row), colours) << column << ", " << row;
    for (const int32_t frame : {29, 30, 60}) {
        FramesTo(frame);
        EXPECT_EQ(Colours(33, 2), frame == 30 ? 403 : 1203) << "8 of diamonds, a mine diagonally next to it";
    }
    Run({{49, 2, LEFT, 48, 2, " -- "},  // (7, 0) is a mine
         {-1, 0, NONE, 0, 23, " GAME OVER - YOU HIT A MINE - BOOM! "},
         {29, 4, LEFT, 0, 24, " Mines: 1 / 6 "},
         {21, 2, RIGHT, 0, 23, " GAME DOUBLY OVER - YOU HIT ANOTHER MINE - BOOM BOOM! "},
         {21, 2, LEFT, 20, 2, " xx "},
         {-1, 0, NONE, 20, 2, " J♦ "}});
    const int32_t first = Colours(1, 23);
    FramesTo(g_game.m_ctx->frame + 30);
    EXPECT_EQ(first + Colours(1, 23), 1300 + 500) << "the loss message in 13 and 5 on 0";
}

TEST_F(DailyGame, TheMenuStartsEveryKindOfGameOrLeavesTheOldOne) {
    const std::string bar = "────────────────────────────────";
    Run({{33, 0, LEFT, 23, 6, "  "},  // the menu shows from the next frame
         {-1, 0, NONE, 23, 6, "┌" + bar + "┐"},
         {-1, 0, NONE, 23, 18, "│           < CANCEL >           │"},
         {-1, 0, NONE, 23, 19, "└" + bar + "┘"},
         {45, 18, LEFT, 0, 0, ""}});
    Run({{-1, 0, NONE, 20, 2, START_ROW}, {-1, 0, NONE, 28, 12, "        "}});
    const int32_t kinds[][2] = {{8, 6}, {10, 6}, {12, 1}, {13, 3}, {14, 9}};  // the menu's row, the kind's mines
    for (const auto& [row, mines] : kinds) {
        Run({{33, 0, LEFT, 0, 0, ""}, {28, row, LEFT, 0, 0, ""}});
        EXPECT_EQ(Cell(27, row).bg * 10 + Cell(28, row).bg, 70) << "the entry from column 28, hovered";
        Run({{-1, 0, NONE, 0, 24, " Mines: 0 / " + std::to_string(mines) + " "}});
    }
}

TEST_F(DailyGame, TheRulesStandOverTheBoardUntilOk) {
    Run({{10, 0, LEFT, 4, 2, " "},
         {-1, 0, NONE, 4, 3, "│ Rules of Brambledeck Field   "},
         {-1, 0, NONE, 4, 19, "│ I.e. Mines may NOT be next to each other horizontally nor vertically. │"},
         {-1, 0, NONE, 0, 24, " Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13 "},  // below the box, the last board frame's status line
         {-1, 0, NONE, 36, 22, " < OK > "},
         {43, 22, LEFT, 0, 0, ""}});  // the column after "< OK >"
    Run({{-1, 0, NONE, 20, 2, START_ROW}});
}

// Random play from the daily board keeps the rules: 5,000 frames from seed 1 here, and in the
// soak a million frames (SOAK_FRAMES) from SOAK_SEED or the clock, printed first, after which
// resident memory is to be within a megabyte of its level after frame 10,000. New games take
// their boards from the clocks.
TEST_F(DailyGame, RandomPlayKeepsTheRulesAndItsMemory) {
    auto resident_bytes = [] { long size = 0, pages = 0; std::ifstream("/proc/self/statm") >> size >> pages; return pages * sysconf(_SC_PAGESIZE); };
    const int32_t frames = getenv("SOAK_FRAMES") ? atoi(getenv("SOAK_FRAMES")) : 5000;
    uint32_t bits = getenv("SOAK_SEED") ? uint32_t(atoll(getenv("SOAK_SEED"))) : frames > 5000 ? uint32_t(time(nullptr)) : 1;
    printf("SOAK_SEED=%u\n", bits);
    long settled = 0;
    for (int32_t frame = 1; frame <= frames; ++frame) {
        InputState random = RandomInput(bits = bits * 1664525u + 1013904223u);
        ASSERT_EQ(FrameKeepingTheRules(&random, &output), "") << "frame " << frame;
        settled = frame == 10000 ? resident_bytes() : settled;
    }
    printf("resident memory: %ld bytes after frame 10,000, %ld after the last\n", settled, resident_bytes());
    EXPECT_LE(settled ? resident_bytes() - settled : 0, 1 << 20);
}
