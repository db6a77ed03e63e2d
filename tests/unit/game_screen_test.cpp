// The game screen played frame by frame without a window: what is drawn where, when a click
// shows, the counters, the outcome messages, marks, winning and flashing. Most cases play the
// daily board of 1 January 2000:
//
//        x: 0   1   2   3   4   5   6   7   8        screen column 21 + 4x, row 2 + 2y
//   y 0:   Jd  2c  6d  8d  6h  10c 7d  **  5c
//   y 1:   5d  9h  **  Kc  Qd  3h  4h  Jc  7c        starting reveals: 8d (3,0), 3h (5,1), 4c (6,4)
//   y 2:   6c  **  3d  3c  2h  10d 8h  4d  5h
//   y 3:   **  Kh  9d  Kd  **  8c  10h Qc  2d
//   y 4:   Ad  Ac  **  Jh  Qh  Ah  4c  9c  7h
#include <gtest/gtest.h>

#include "game/colors.h"
#include "game/deal.h"
#include "support/assert_death.h"
#include "support/board_text.h"
#include "support/game_session.h"

namespace {

struct Position
{
    int32_t x, y;
};

const Position DAILY_MINES[] = {{7, 0}, {2, 1}, {1, 2}, {0, 3}, {4, 3}, {2, 4}};

const char* const LOSS_MESSAGES[] = {
    "GAME OVER - YOU HIT A MINE - BOOM!",
    "GAME DOUBLY OVER - YOU HIT ANOTHER MINE - BOOM BOOM!",
    "GAME TRIPILY OVER - BOOM BOOM BOOM!",
    "BOOM BOOM BOOM BOOM!",
    "OH MY GOD, YOU'RE SO DEAD. PLEASE STOP, JUST STOP.",
    "HOW ARE YOU STILL MOVING? YOU'VE HIT 6 MINES?!?",
    "LORD! THERE CAN'T BE ANYTHING LEFT OF YOUR BODY",
    "WHO KNEW MINESWEEPER WOULD BE THIS VIOLENT OF GAME?",
    "YOU KNOW THAT THE IDEA IS TO AVOID THE MINES?",
};

std::string Trimmed(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

class GameScreen : public GameSession
{
protected:
    std::string OutcomeLine() const { return Trimmed(Row(23)); }
    std::string StatusLine() const { return Trimmed(Row(24)); }
    std::string Label(int32_t x, int32_t y) const { return Row(LabelRow(y), LabelColumn(x), LabelColumn(x) + 4); }
    std::string Number(int32_t x, int32_t y) const { return Row(LabelRow(y) + 1, LabelColumn(x), LabelColumn(x) + 4); }

    void RevealAllCards()
    {
        for (int32_t y = 0; y < g_game.m_board.GetHeight(); ++y)
            for (int32_t x = 0; x < g_game.m_board.GetWidth(); ++x)
                if (!(g_game.m_board.Get(x, y) & CELL_MINE) && !g_game.m_fogofwar.Get(x, y))
                {
                    LeftClickBoard(x, y);
                    Frame();
                }
    }
};

TEST_F(GameScreen, FirstFrameStartsANormalGameAndDrawsItAtOnce)
{
    Frame();
    ASSERT_NE(g_game.m_ctx, nullptr);
    EXPECT_EQ(g_game.m_board.GetWidth(), 9);
    EXPECT_EQ(g_game.m_board.GetHeight(), 5);
    EXPECT_EQ(Row(0, 10, 19), "< Rules >");
    EXPECT_EQ(Row(0, 31, 43), "< New Game >");

    const ScreenReading screen = Screen();
    for (int32_t y = 0; y < 5; ++y)
    {
        const int32_t row = 2 + 2 * y;
        EXPECT_EQ(screen_row_text(screen, row, 0, 21), std::string(21, ' ')) << "row " << row;
        EXPECT_EQ(screen_row_text(screen, row, 56, 80), std::string(24, ' ')) << "row " << row;
        for (int32_t x = 0; x < 9; ++x)
            EXPECT_NE(screen_row_text(screen, row, 21 + 4 * x, 22 + 4 * x), " ") << "slot " << x << ", " << y;
    }
    EXPECT_EQ(Trimmed(screen_row_text(screen, 12)), "") << "a 9x5 board ends at row 11";
    EXPECT_EQ(StatusLine().substr(0, 13), " Mines: 0 / 6");
    EXPECT_EQ(g_game.m_ctx->frame, 1);
}

TEST_F(GameScreen, DrawsTheBoardTheStatusLineAndTheColours)
{
    StartDaily2000();
    EXPECT_EQ(Row(2, 20, 57), " --  --  --  8♦  --  --  --  --  --  ");
    EXPECT_EQ(Row(3, 20, 57), "             2                       ");
    EXPECT_EQ(Row(4, 20, 57), " --  --  --  --  --  3♥  --  --  --  ");
    EXPECT_EQ(Row(5, 41, 43), "4 ");
    EXPECT_EQ(Row(10, 45, 47), "4♣");
    EXPECT_EQ(Row(11, 45, 47), "3 ");
    EXPECT_EQ(StatusLine(), " Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");
    EXPECT_EQ(OutcomeLine(), "");

    const struct
    {
        int32_t column, row, fg, bg;
    } colours[] = {
        {10, 0, COLOR_BLACK, COLOR_TEAL},      // "< Rules >"
        {21, 2, COLOR_BLACK, COLOR_TEAL},      // a hidden card
        {41, 4, COLOR_DARK_RED, COLOR_TEAL},   // 3 of hearts, no mine around it
        {41, 5, COLOR_DARK_GREY, COLOR_TEAL},  // its number
        {1, 24, COLOR_BLACK, COLOR_TEAL},      // mine counter
        {15, 24, COLOR_DARK_RED, COLOR_TEAL},  // heart counter
        {25, 24, COLOR_DARK_RED, COLOR_TEAL},  // diamond counter
        {35, 24, COLOR_BLACK, COLOR_TEAL},     // club counter
    };
    for (const auto& expected : colours)
    {
        const ScreenCell cell = Cell(expected.column, expected.row);
        EXPECT_EQ(cell.fg, expected.fg) << expected.column << ", " << expected.row;
        EXPECT_EQ(cell.bg, expected.bg) << expected.column << ", " << expected.row;
    }
    EXPECT_EQ(Cell(0, 0).bg, COLOR_TEAL);
    EXPECT_EQ(Cell(79, 24).bg, COLOR_TEAL);
}

TEST_F(GameScreen, ALeftClickShowsFromTheNextFrameOn)
{
    StartDaily2000();
    LeftClickBoard(0, 0);  // jack of diamonds
    Frame();
    EXPECT_EQ(Label(0, 0), "--  ") << "the frame of the click still shows the card hidden";
    EXPECT_EQ(g_game.m_fogofwar.Get(0, 0), FOG_REVEALED);
    EXPECT_EQ(StatusLine(), " Mines: 0 / 6  ♥: 1/13   ♦: 1/13   ♣: 1/13");

    Frame();
    EXPECT_EQ(Label(0, 0), "J♦  ");
    EXPECT_EQ(Number(0, 0), "1   ") << "the 5 of diamonds below it";
    EXPECT_EQ(StatusLine(), " Mines: 0 / 6  ♥: 1/13   ♦: 2/13   ♣: 1/13");

    LeftClickBoard(5, 0);  // ten of clubs: three characters
    Frame();
    Frame();
    EXPECT_EQ(Label(5, 0), "10♣ ");
}

TEST_F(GameScreen, AClickHitsTheColumnAfterALabelButNotTheFourthColumnOfItsSlot)
{
    StartDaily2000();
    LeftClick(LabelColumn(0) + 2, LabelRow(0));
    Frame();
    EXPECT_EQ(g_game.m_fogofwar.Get(0, 0), FOG_REVEALED);

    LeftClick(LabelColumn(1) + 3, LabelRow(1));
    Frame();
    for (int32_t x = 0; x < 9; ++x)
        EXPECT_EQ(g_game.m_fogofwar.Get(x, 1), x == 5 ? FOG_REVEALED : FOG_HIDDEN) << x;
    EXPECT_EQ(g_game.m_markings.Get(1, 1), MARK_NONE);

    LeftClick(LabelColumn(0), LabelRow(0) + 1);  // the number row under a card
    Frame();
    EXPECT_EQ(g_game.m_fogofwar.Get(0, 1), FOG_HIDDEN);
}

TEST_F(GameScreen, EachMineRevealedChangesTheLossMessage)
{
    StartDaily2000();
    LeftClickBoard(7, 0);
    Frame();
    EXPECT_TRUE(g_game.m_minehit);
    EXPECT_EQ(OutcomeLine(), "") << "the message shows from the next frame on";
    Frame();
    EXPECT_EQ(OutcomeLine(), std::string(" ") + LOSS_MESSAGES[0]);
    EXPECT_EQ(Label(7, 0), "☻   ");
    EXPECT_EQ(Number(7, 0), "    ") << "a revealed mine has no number";
    EXPECT_EQ(Cell(1, 23).bg, COLOR_BLACK);
    EXPECT_EQ(StatusLine().substr(0, 13), " Mines: 1 / 6");

    LeftClickBoard(2, 1);
    Frame();
    Frame();
    EXPECT_EQ(OutcomeLine(), std::string(" ") + LOSS_MESSAGES[1]);
}

TEST_F(GameScreen, LossMessagesRunToTheNinthMineAndNoFurther)
{
    Frame();
    // Ten mines in a row: the tenth leaves the line empty.
    LoadBoard(ParseBoard("** ** ** ** ** ** ** ** ** **\n"
                         "Ah 2h 3h 4h 5h 6h 7h 8h 9h 10h"),
              g_game.m_board);
    g_game.m_fogofwar.Resize(10, 2);
    g_game.m_fogofwar.Fill(FOG_HIDDEN);
    g_game.m_markings.Resize(10, 2);
    g_game.m_markings.Fill(MARK_NONE);
    for (int32_t x = 0; x < 10; ++x)
    {
        LeftClickBoard(x, 0);
        Frame();
        Frame();
        const std::string expected = x < 9 ? std::string(" ") + LOSS_MESSAGES[x] : "";
        EXPECT_EQ(OutcomeLine(), expected) << x + 1 << " mines hit";
    }
}

TEST_F(GameScreen, TheMineCounterAddsMarksOnHiddenCellsToRevealedMines)
{
    StartDaily2000();
    RightClickBoard(0, 0);
    Frame();
    RightClickBoard(4, 3);
    Frame();
    LeftClickBoard(7, 0);
    Frame();
    Frame();
    EXPECT_EQ(StatusLine().substr(0, 13), " Mines: 3 / 6");

    g_game.m_markings.Set(3, 0, MARK_MINE);  // a mark under a revealed card does not count
    Frame();
    EXPECT_EQ(StatusLine().substr(0, 13), " Mines: 3 / 6");
}

TEST_F(GameScreen, MarksToggleAndNeverBlockARevealingClick)
{
    StartDaily2000();
    RightClickBoard(0, 0);
    Frame();
    EXPECT_EQ(Label(0, 0), "--  ") << "shown from the next frame";
    Frame();
    EXPECT_EQ(Label(0, 0), "xx  ");
    RightClickBoard(0, 0);
    Frame();
    Frame();
    EXPECT_EQ(Label(0, 0), "--  ");

    RightClickBoard(1, 0);
    Frame();
    LeftClickBoard(1, 0);
    Frame();
    Frame();
    EXPECT_EQ(Label(1, 0), "2♣  ");

    // Both buttons in one frame: the mark alone.
    LeftClickBoard(2, 0);
    m_input.right_clicked = 1;
    Frame();
    Frame();
    EXPECT_EQ(g_game.m_fogofwar.Get(2, 0), FOG_HIDDEN);
    EXPECT_EQ(Label(2, 0), "xx  ");

    // A right click on a revealed card changes nothing.
    RightClickBoard(3, 0);
    Frame();
    Frame();
    EXPECT_EQ(g_game.m_markings.Get(3, 0), MARK_NONE);
    EXPECT_EQ(Label(3, 0), "8♦  ");
}

TEST_F(GameScreen, WinningNeedsEveryCardRevealedAndEveryMineMarked)
{
    StartDaily2000();
    for (const Position& mine : DAILY_MINES)
    {
        RightClickBoard(mine.x, mine.y);
        Frame();
    }
    Frame();
    EXPECT_FALSE(g_game.m_won) << "every mine marked, cards still hidden";
    EXPECT_EQ(StatusLine().substr(0, 13), " Mines: 6 / 6");

    RightClickBoard(DAILY_MINES[0].x, DAILY_MINES[0].y);
    Frame();
    RevealAllCards();
    Frame();
    EXPECT_FALSE(g_game.m_won) << "all 39 cards, one mine unmarked";
    EXPECT_EQ(StatusLine(), " Mines: 5 / 6  ♥: 13/13   ♦: 13/13   ♣: 13/13");

    RightClickBoard(DAILY_MINES[0].x, DAILY_MINES[0].y);
    Frame();
    EXPECT_FALSE(g_game.m_won);
    Frame();
    EXPECT_TRUE(g_game.m_won);
    EXPECT_EQ(OutcomeLine(), " YOU WON! CONGRATS!") << "in the frame the tallies first hold";

    LeftClickBoard(DAILY_MINES[1].x, DAILY_MINES[1].y);
    Frame();
    Frame();
    EXPECT_TRUE(g_game.m_won);
    EXPECT_EQ(OutcomeLine(), std::string(" ") + LOSS_MESSAGES[0]) << "a loss hides a win";
}

TEST_F(GameScreen, CardsNextToAMineFlash)
{
    StartDaily2000();  // board frames 1 and 2
    struct
    {
        int32_t frames_to_run, expected_fg;
    } phases[] = {{0, COLOR_LIGHT_RED}, {27, COLOR_LIGHT_RED}, {1, COLOR_DARK_RED}, {29, COLOR_DARK_RED},
                  {1, COLOR_LIGHT_RED}};
    for (const auto& phase : phases)
    {
        for (int32_t i = 0; i < phase.frames_to_run; ++i)
            Frame();
        const int32_t frame = g_game.m_ctx->frame;
        EXPECT_EQ(Cell(LabelColumn(3), LabelRow(0)).fg, phase.expected_fg)
            << "8 of diamonds, its only mine diagonal, frame " << frame;
        EXPECT_EQ(Cell(LabelColumn(5), LabelRow(1)).fg, COLOR_DARK_RED) << "3 of hearts, frame " << frame;
    }

    LeftClickBoard(1, 3);  // king of hearts, three mines around
    Frame();
    LeftClickBoard(2, 1);  // a mine next to a mine flashes black and dark grey
    Frame();
    MoveToCell(0, 20);  // off the board: hovered text shows other colours
    Frame();
    while (g_game.m_ctx->frame % 60 >= 30)
        Frame();
    EXPECT_EQ(Cell(LabelColumn(1), LabelRow(3)).fg, COLOR_LIGHT_RED);
    EXPECT_EQ(Cell(LabelColumn(2), LabelRow(1)).fg, COLOR_DARK_GREY);
    EXPECT_EQ(Cell(1, 23).fg, COLOR_MAGENTA);
    while (g_game.m_ctx->frame % 60 < 30)
        Frame();
    EXPECT_EQ(Cell(LabelColumn(2), LabelRow(1)).fg, COLOR_BLACK);
    EXPECT_EQ(Cell(1, 23).fg, COLOR_PURPLE);
}

TEST_F(GameScreen, HoveredTextShowsSwappedColours)
{
    StartDaily2000();
    MoveToCell(LabelColumn(0) + 2, LabelRow(0));
    Frame();
    EXPECT_EQ(Cell(LabelColumn(0), LabelRow(0)).fg, COLOR_TEAL);
    EXPECT_EQ(Cell(LabelColumn(0), LabelRow(0)).bg, COLOR_BLACK);
    EXPECT_EQ(Cell(LabelColumn(1), LabelRow(0)).bg, COLOR_TEAL);
}

TEST_F(GameScreen, ACountOfTenOrMoreWidensItsCounter)
{
    StartDaily2000();
    for (int32_t x = 0; x < 9; ++x)
        for (int32_t y = 0; y < 5; ++y)
            if (CellSuit(g_game.m_board.Get(x, y)) == SUIT_HEARTS)
                g_game.m_fogofwar.Set(x, y, FOG_REVEALED);
    Frame();
    EXPECT_EQ(StatusLine(), " Mines: 0 / 6  ♥: 13/13   ♦: 1/13   ♣: 1/13");
}

// A first frame, then the fog and the marks resized behind the board's back, then a frame.
void RunFrameWithGridSizes(int32_t fog_width, int32_t fog_height, int32_t marks_width, int32_t marks_height)
{
    std::vector<uint32_t> pixels(size_t(PICTURE_W) * PICTURE_H);
    OutputState output = {pixels.data(), 0};
    InputState input = {};
    RunFrame(&input, &output);
    g_game.m_fogofwar.Resize(fog_width, fog_height);
    g_game.m_markings.Resize(marks_width, marks_height);
    RunFrame(&input, &output);
}

TEST(GameScreenDeathTest, GridsOfDifferentSizesStopTheFrame)
{
    ResetGame();
    EXPECT_ASSERT_DEATH(RunFrameWithGridSizes(8, 5, 9, 5), "m_board.GetWidth() == m_fogofwar.GetWidth()");
    EXPECT_ASSERT_DEATH(RunFrameWithGridSizes(9, 4, 9, 5), "m_board.GetHeight() == m_fogofwar.GetHeight()");
    EXPECT_ASSERT_DEATH(RunFrameWithGridSizes(9, 5, 8, 5), "m_board.GetWidth() == m_markings.GetWidth()");
    EXPECT_ASSERT_DEATH(RunFrameWithGridSizes(9, 5, 9, 6), "m_board.GetHeight() == m_markings.GetHeight()");
}

}  // namespace
