// The game screen played on the daily board of 1 January 2000, frame by frame, as a player plays
// it, and read back as text. A click shows from the frame after it. A card's label stands at
// column 21 + 4x, row 2 + 2y, the count of its own suit around it one row below:
//
//        x: 0   1   2   3   4   5   6   7   8
//   y 0:   J♦  2♣  6♦  8♦  6♥  10♣ 7♦  **  5♣      ** a mine
//   y 1:   5♦  9♥  **  K♣  Q♦  3♥  4♥  J♣  7♣      revealed at the start: 8♦ (3, 0),
//   y 2:   6♣  **  3♦  3♣  2♥  10♦ 8♥  4♦  5♥      3♥ (5, 1) and 4♣ (6, 4)
//   y 3:   **  K♥  9♦  K♦  **  8♣  10♥ Q♣  2♦
//   y 4:   A♦  A♣  **  J♥  Q♥  A♥  4♣  9♣  7♥
#include <gtest/gtest.h>

#include <fstream>

#include "game/colors.h"
#include "support/clocks.h"
#include "support/play.h"
#include "support/screen.h"

// The mines by position in reading order, 9 a row: at (7, 0), (2, 1), (1, 2), (0, 3), (4, 3)
// and (2, 4).
const int32_t MINES[] = {7, 11, 19, 27, 31, 38};

class DailyGame : public testing::Test, public TestDisplay {
protected:
    void SetUp() override {
        ResetGame();
        g_test_clocks = {NOON_1_JANUARY_2000, 0};
        Frame();  // the first frame deals a normal game
        NewGame(GAME_DAILY);
        Frame();
    }
    void TearDown() override { ResetGame(); }

    void Frame() {
        ascii_set_ctx(nullptr);  // the frame makes its own context current
        RunFrame(&input, &output);
        input.left_clicked = 0;
        input.right_clicked = 0;
    }
    // The frame in which a button goes down with the mouse on a cell of the screen.
    void Click(int32_t column, int32_t row, bool right = false) {
        input = {column * ASCII_W + 3, row * ASCII_H + 5, 0, !right, 0, right};
        Frame();
    }
    void Reveal(int32_t x, int32_t y) { Click(21 + 4 * x, 2 + 2 * y); }
    void Mark(int32_t x, int32_t y) { Click(21 + 4 * x, 2 + 2 * y, true); }
    // As one who knows the board plays the cell at a position: a mine marked, a card revealed.
    void Play(int32_t position) {
        const bool mine = std::count(std::begin(MINES), std::end(MINES), position);
        Click(21 + 4 * (position % 9), 2 + 2 * (position / 9), mine);
    }
    void PlayAllBut(int32_t left_out) {
        for (int32_t position = 0; position < 45; ++position) {
            if (position != left_out)
                Play(position);
        }
    }
    // Board frames until the game screen has drawn `frame` of them, or a hundred more frames.
    void FramesUntil(int32_t frame) {
        for (int32_t i = 0; i < 100 && g_game.m_ctx->frame < frame; ++i)
            Frame();
    }

    InputState input = {};
};

TEST_F(DailyGame, StartsWithOneCardOfEachSuitRevealed) {
    EXPECT_EQ(Rows(0, 24),
              "\n          < Rules >            < New Game >"
              "\n"
              "\n                     --  --  --  8♦  --  --  --  --  --"
              "\n                                 2"
              "\n                     --  --  --  --  --  3♥  --  --  --"
              "\n                                         4"
              "\n                     --  --  --  --  --  --  --  --  --"
              "\n"
              "\n                     --  --  --  --  --  --  --  --  --"
              "\n"
              "\n                     --  --  --  --  --  --  4♣  --  --"
              "\n                                             3"
              "\n\n\n\n\n\n\n\n\n\n\n\n"
              "\n Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
}

TEST_F(DailyGame, ALeftClickRevealsACardFromTheNextFrameOn) {
    Reveal(0, 0);
    EXPECT_EQ(Rows(2, 3),
              "\n                     --  --  --  8♦  --  --  --  --  --"
              "\n                                 2");
    Frame();
    EXPECT_EQ(Rows(2, 3),
              "\n                     J♦  --  --  8♦  --  --  --  --  --"
              "\n                     1           2");
    EXPECT_EQ(Rows(24, 24), "\n Mines: 0 / 6  ♥: 1/13   ♦: 2/13   ♣: 1/13");
}

TEST_F(DailyGame, ARightClickMarksAHiddenCardAndTheNextTakesTheMarkAway) {
    Mark(2, 1);
    Frame();
    EXPECT_EQ(Rows(4, 4), "\n                     --  --  xx  --  --  3♥  --  --  --");
    EXPECT_EQ(Rows(24, 24), "\n Mines: 1 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
    Mark(2, 1);
    Frame();
    EXPECT_EQ(Rows(4, 4), "\n                     --  --  --  --  --  3♥  --  --  --");
    EXPECT_EQ(Rows(24, 24), "\n Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
    input = {21 * ASCII_W, 2 * ASCII_H, 1, 1, 1, 1};  // both buttons: only the right counts
    Frame();
    Frame();
    EXPECT_EQ(Rows(2, 2), "\n                     xx  --  --  8♦  --  --  --  --  --");
    Reveal(0, 0);  // a marked card is revealed like any other
    Mark(0, 0);    // a revealed card takes no mark, and no mark on it counts
    Frame();
    EXPECT_EQ(Rows(2, 2), "\n                     J♦  --  --  8♦  --  --  --  --  --");
    EXPECT_EQ(Rows(24, 24), "\n Mines: 0 / 6  ♥: 1/13   ♦: 2/13   ♣: 1/13");
}

TEST_F(DailyGame, EveryMineHitLosesOnceMoreAndTheBoardStaysPlayable) {
    const char* const losses[] = {
        "\n",
        "\n GAME OVER - YOU HIT A MINE - BOOM!",
        "\n GAME DOUBLY OVER - YOU HIT ANOTHER MINE - BOOM BOOM!",
        "\n GAME TRIPILY OVER - BOOM BOOM BOOM!",
        "\n BOOM BOOM BOOM BOOM!",
        "\n OH MY GOD, YOU'RE SO DEAD. PLEASE STOP, JUST STOP.",
        "\n HOW ARE YOU STILL MOVING? YOU'VE HIT 6 MINES?!?",
    };
    for (int32_t hit = 1; hit <= 6; ++hit) {
        Reveal(MINES[hit - 1] % 9, MINES[hit - 1] / 9);
        EXPECT_EQ(Rows(23, 23), losses[hit - 1]) << "in the frame of the click";
        Frame();
        EXPECT_EQ(Rows(23, 23), losses[hit]);
    }
    Reveal(0, 0);
    Mark(1, 0);
    Frame();
    EXPECT_EQ(Rows(2, 3),
              "\n                     J♦  xx  --  8♦  --  --  --  ☻   --"
              "\n                     1           2");
    EXPECT_EQ(Rows(24, 24), "\n Mines: 7 / 6  ♥: 1/13   ♦: 2/13   ♣: 1/13");
}

TEST_F(DailyGame, AWinTakesEveryCardRevealedAndEveryMineMarkedAndANewGameForgetsIt) {
    const int32_t last_ones[] = {27, 41, 36, 37};  // a mine, the aces of hearts, diamonds, clubs
    for (const int32_t last : last_ones) {
        NewGame(GAME_DAILY);
        PlayAllBut(last);
        Frame();
        EXPECT_EQ(Rows(23, 23), "\n") << "all but " << last;
        Play(last);
        Frame();
        EXPECT_EQ(Rows(23, 23), "\n YOU WON! CONGRATS!");
    }
    EXPECT_EQ(Rows(2, 24),
              "\n                     J♦  2♣  6♦  8♦  6♥  10♣ 7♦  xx  5♣"
              "\n                     1   0   1   2   1   0   0       2"
              "\n                     5♦  9♥  xx  K♣  Q♦  3♥  4♥  J♣  7♣"
              "\n                     1   0       1   2   4   2   2   2"
              "\n                     6♣  xx  3♦  3♣  2♥  10♦ 8♥  4♦  5♥"
              "\n                     0       2   1   1   1   3   1   0"
              "\n                     xx  K♥  9♦  K♦  xx  8♣  10♥ Q♣  2♦"
              "\n                         0   2   2       1   2   2   1"
              "\n                     A♦  A♣  xx  J♥  Q♥  A♥  4♣  9♣  7♥"
              "\n                     0   0       1   2   2   3   2   0"
              "\n\n\n\n\n\n\n\n\n\n\n"
              "\n YOU WON! CONGRATS!"
              "\n Mines: 6 / 6  ♥: 13/13   ♦: 13/13   ♣: 13/13");
    Click(31, 0);  // < New Game >
    Click(28, 8);  // Daily game
    Frame();
    EXPECT_EQ(Rows(2, 2), "\n                     --  --  --  8♦  --  --  --  --  --");
    EXPECT_EQ(Rows(23, 24), "\n\n Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
    PlayAllBut(-1);
    Reveal(7, 0);
    Frame();
    EXPECT_EQ(Rows(23, 23), "\n GAME OVER - YOU HIT A MINE - BOOM!") << "a loss hides a win";
}

TEST_F(DailyGame, ACardNextToAMineFlashesAndTheTextUnderTheMouseSwapsItsColours) {
    Reveal(1, 0);  // the 2 of clubs, a mine diagonally below it
    input.mouse_x = 29 * ASCII_W;
    input.mouse_y = 2 * ASCII_H;
    FramesUntil(29);
    EXPECT_EQ(Fg(33, 2), COLOR_LIGHT_RED) << "the 8 of diamonds";
    EXPECT_EQ(Fg(25, 2), COLOR_DARK_GREY) << "the 2 of clubs";
    EXPECT_EQ(Fg(33, 3), COLOR_DARK_GREY) << "a count";
    EXPECT_EQ(Fg(41, 4), COLOR_DARK_RED) << "the 3 of hearts, no mine next to it";
    EXPECT_EQ(Fg(29, 2), COLOR_TEAL) << "the hidden card under the mouse";
    EXPECT_EQ(Bg(29, 2), COLOR_BLACK);
    FramesUntil(30);
    EXPECT_EQ(Fg(33, 2), COLOR_DARK_RED);
    EXPECT_EQ(Fg(25, 2), COLOR_BLACK);
    FramesUntil(60);
    EXPECT_EQ(Fg(33, 2), COLOR_LIGHT_RED);
    PlayAllBut(-1);
    FramesUntil(149);
    EXPECT_EQ(Fg(1, 23), COLOR_YELLOW) << "the win";
    EXPECT_EQ(Bg(1, 23), COLOR_BLACK);
    FramesUntil(150);
    EXPECT_EQ(Fg(1, 23), COLOR_BROWN);
    Reveal(7, 0);
    FramesUntil(209);
    EXPECT_EQ(Fg(1, 23), COLOR_MAGENTA) << "the loss";
    EXPECT_EQ(Bg(1, 23), COLOR_BLACK);
    FramesUntil(210);
    EXPECT_EQ(Fg(1, 23), COLOR_PURPLE);
}

TEST_F(DailyGame, TheMenuDealsTheKindOfEachEntryOrLeavesTheGameAsItWas) {
    Reveal(0, 0);
    Click(31, 0);           // < New Game >: the menu shows from the next frame
    Click(28, 8, true);     // the right button does nothing in the menu
    Click(21, 2);           // nor does a click beside it, on the board
    EXPECT_EQ(Rows(5, 20),
              "\n                                         4"
              "\n                     --┌────────────────────────────────┐"
              "\n                       │                                │"
              "\n                     --│    Daily game      (6 mines)   │"
              "\n                       │                                │"
              "\n                     --│    Normal game     (6 mines)   │"
              "\n                       │                                │"
              "\n                       │    Tutorial game   (1 mine)    │"
              "\n                       │    Easy game       (3 mines)   │"
              "\n                       │    Hard game       (9 mines)   │"
              "\n                       │                                │"
              "\n                       │                                │"
              "\n                       │                                │"
              "\n                       │           < CANCEL >           │"
              "\n                       └────────────────────────────────┘"
              "\n");
    Click(35, 18);  // < CANCEL >
    Frame();
    EXPECT_EQ(Rows(2, 2), "\n                     J♦  --  --  8♦  --  --  --  --  --");
    const char* const kinds[] = {  // the board's first row and sixth, and the mine counter
        "\n                     --  --  --  8♦  --  --  --  --  --\n\n Mines: 0 / 6",
        "\n                     --  --  --  --  --  --  --  --  --\n\n Mines: 0 / 6",
        "\n                       --  --  --  --  --  --  2♦  --\n\n Mines: 0 / 1",
        "\n                         --  --  --  --  --  --  --"
        "\n                         --  --  --  --  --  --  --\n Mines: 0 / 3",
        "\n                       --  --  --  --  --  --  9♥  --"
        "\n                       --  --  --  --  --  --  --  --\n Mines: 0 / 9",
    };
    const int32_t entry_rows[] = {8, 10, 12, 13, 14};
    for (int32_t kind = 0; kind < 5; ++kind) {
        Click(31, 0);
        Click(28, entry_rows[kind]);
        Frame();
        const std::string mines = Rows(24, 24).substr(0, 14);
        EXPECT_EQ(Rows(2, 2) + Rows(12, 12) + mines, kinds[kind]) << "row " << entry_rows[kind];
    }
}

TEST_F(DailyGame, TheRulesStandOverTheBoardUntilOk) {
    Click(10, 0);  // < Rules >
    Frame();
    EXPECT_EQ(Rows(0, 24),
              "\n          < Rules >            < New Game >"
              "\n"
              "\n    ┌───────────────────────────────────────────────────────────────────────┐"
              "\n    │ Rules of Brambledeck Field                                            │"
              "\n    │ --------------------------                                            │"
              "\n    │                                                                       │"
              "\n    │ * Click on space to reveal it                                         │"
              "\n    │ * Right click to mark a mine                                          │"
              "\n    │                                                                       │"
              "\n    │ If you hit a mine, it's game over.                                    │"
              "\n    │                                                                       │"
              "\n    │ If the card flashes, it means there's a mine next to it in one        │"
              "\n    │ of 8 neighboring spaces.                                              │"
              "\n    │                                                                       │"
              "\n    │ The number under the card tells you how many cards of the same        │"
              "\n    │ suit are around that card. Max 8, min 0.                              │"
              "\n    │ There are 3 suits (hearts, diamonds, clubs) and 13 cards each.        │"
              "\n    │                                                                       │"
              "\n    │ The orthogonal spaces next to a mine are always safe.                 │"
              "\n    │ I.e. Mines may NOT be next to each other horizontally nor vertically. │"
              "\n    │                                                                       │"
              "\n    │                                                                       │"
              "\n    │                                < OK >                                 │"
              "\n    └───────────────────────────────────────────────────────────────────────┘"
              "\n Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
    Click(21, 4);        // the board under the dialog does not react
    Click(37, 22, true);  // nor does < OK > to the right button
    Click(43, 22);       // the column after < OK > is the button's
    Frame();
    EXPECT_EQ(Rows(2, 4),
              "\n                     --  --  --  8♦  --  --  --  --  --"
              "\n                                 2"
              "\n                     --  --  --  --  --  3♥  --  --  --");
}

// Resident memory in pages of 4 KiB, where the system tells; 0 elsewhere.
static long ResidentPages() {
    long size = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident;
}

// Random play from the daily board keeps the rules, the clocks that seed new games read from
// the same random numbers: 5,000 frames from seed 1 here, and in the soak a million frames
// (SOAK_FRAMES) from SOAK_SEED or the clock, printed first, after which resident memory is to be
// within a megabyte of its level after frame 10,000.
TEST_F(DailyGame, RandomPlayKeepsTheRules) {
    const int32_t frames = getenv("SOAK_FRAMES") ? atoi(getenv("SOAK_FRAMES")) : 5000;
    uint32_t bits = frames > 5000 ? uint32_t(time(nullptr)) : 1;
    if (getenv("SOAK_SEED"))
        bits = uint32_t(atoll(getenv("SOAK_SEED")));
    printf("SOAK_SEED=%u\n", bits);
    long settled = 0;
    for (int32_t frame = 1; frame <= frames; ++frame) {
        bits = bits * 1664525u + 1013904223u;
        g_test_clocks = {int64_t(bits), bits};
        InputState random = RandomInput(bits);
        ASSERT_EQ(FrameKeepingTheRules(&random, &output), "") << "frame " << frame;
        if (frame == 10000)
            settled = ResidentPages();
    }
    if (frames > 10000) {
        EXPECT_LE(ResidentPages() - settled, 256) << "pages more than after frame 10,000";
    }
}
