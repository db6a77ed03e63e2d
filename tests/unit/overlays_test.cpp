// The new-game menu and the rules dialog played frame by frame: when they show, what they draw
// and where, which clicks they take, and what the game does with the menu's choice.
#include <gtest/gtest.h>

#include "game/colors.h"
#include "game/overlays.h"
#include "support/assert_death.h"
#include "support/game_session.h"

namespace {

const char* const MENU_ROWS[] = {
    "┌────────────────────────────────┐",  // row 6
    "│                                │",
    "│    Daily game      (6 mines)   │",  // row 8
    "│                                │",
    "│    Normal game     (6 mines)   │",  // row 10
    "│                                │",
    "│    Tutorial game   (1 mine)    │",  // row 12
    "│    Easy game       (3 mines)   │",
    "│    Hard game       (9 mines)   │",
    "│                                │",
    "│                                │",
    "│                                │",
    "│           < CANCEL >           │",  // row 18
    "└────────────────────────────────┘",  // row 19
};

const char* const RULES_ROWS[] = {
    "Rules of Brambledeck Field",
    "--------------------------",
    "",
    "* Click on space to reveal it",
    "* Right click to mark a mine",
    "",
    "If you hit a mine, it's game over.",
    "",
    "If the card flashes, it means there's a mine next to it in one ",
    "of 8 neighboring spaces.",
    "",
    "The number under the card tells you how many cards of the same ",
    "suit are around that card. Max 8, min 0. ",
    "There are 3 suits (hearts, diamonds, clubs) and 13 cards each.",
    "",
    "The orthogonal spaces next to a mine are always safe. ",
    "I.e. Mines may NOT be next to each other horizontally nor vertically.",
};

std::string Repeated(const char* text, int32_t times)
{
    std::string repeated;
    for (int32_t i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

class Overlays : public GameSession
{
protected:
    void OpenMenu()
    {
        LeftClick(33, 0);
        Frame();
        MoveToCell(0, 24);
        Frame();
    }
    void OpenRulesDialog()
    {
        LeftClick(12, 0);
        Frame();
        MoveToCell(0, 24);
        Frame();
    }
};

TEST_F(Overlays, TheMenuOpensFromTheNextFrameOverTheBoard)
{
    StartDaily2000();
    LeftClick(31, 0);
    Frame();
    EXPECT_NE(g_game.m_newgame_menu, nullptr);
    EXPECT_EQ(Row(6, 20, 57), " --  --  --  --  --  --  --  --  --  ") << "the frame of the click draws the board";
    const int32_t frame = g_game.m_ctx->frame;

    MoveToCell(0, 24);
    Frame();
    for (int32_t i = 0; i < 14; ++i)
        EXPECT_EQ(Row(6 + i, 23, 57), MENU_ROWS[i]) << "row " << 6 + i;
    EXPECT_EQ(Row(2, 20, 23), " --") << "the board stays visible around the box";
    EXPECT_EQ(Cell(23, 6).fg, COLOR_BLACK);
    EXPECT_EQ(Cell(30, 8).bg, COLOR_LIGHT_GREY);

    MoveToCell(30, 13);
    Frame();
    EXPECT_EQ(Cell(28, 13).bg, COLOR_BLACK) << "a hovered entry shows 7 on 0";
    EXPECT_EQ(Cell(28, 13).fg, COLOR_LIGHT_GREY);
    EXPECT_EQ(g_game.m_ctx->frame, frame) << "the board's frame counter stands still";
}

TEST_F(Overlays, ChoosingAnEntryStartsThatGame)
{
    StartDaily2000();
    OpenMenu();
    LeftClick(28 + 25, 13);  // the column right after "Easy game       (3 mines)"
    Frame();
    EXPECT_EQ(g_game.m_newgame_menu, nullptr);
    EXPECT_EQ(g_game.m_board.GetWidth(), 7);
    EXPECT_EQ(g_game.m_board.GetHeight(), 6);
    EXPECT_EQ(Cell(28, 13).bg, COLOR_BLACK) << "the last menu picture shows the entry hovered";

    MoveToCell(0, 20);
    Frame();
    EXPECT_EQ(Row(24, 0, 13), " Mines: 0 / 3");
    EXPECT_EQ(Row(2, 24, 25), " ");
    EXPECT_NE(Row(2, 25, 26), " ") << "a 7-wide board starts at column 25";
}

TEST_F(Overlays, CancelClosesTheMenuAndKeepsTheGame)
{
    StartDaily2000();
    LeftClickBoard(0, 0);
    Frame();
    OpenMenu();
    LeftClick(35, 18);
    Frame();
    EXPECT_EQ(g_game.m_newgame_menu, nullptr);
    MoveToCell(0, 20);
    Frame();
    EXPECT_EQ(Row(2, 20, 57), " J♦  --  --  8♦  --  --  --  --  --  ");
}

TEST_F(Overlays, OnlyALeftClickOnAnEntryActs)
{
    StartDaily2000();
    OpenMenu();
    RightClick(30, 8);
    Frame();
    LeftClick(10, 8);  // outside the box, over nothing
    Frame();
    LeftClick(30, 9);  // inside the box, between two entries
    Frame();
    LeftClick(LabelColumn(0), LabelRow(0));  // a card beside the box
    Frame();
    EXPECT_NE(g_game.m_newgame_menu, nullptr);
    EXPECT_EQ(g_game.m_fogofwar.Get(0, 0), FOG_HIDDEN);
    EXPECT_EQ(Row(2, 20, 57), " --  --  --  8♦  --  --  --  --  --  ");
}

TEST_F(Overlays, TheRulesDialogShowsTheRulesUntilOk)
{
    StartDaily2000();
    OpenRulesDialog();
    ASSERT_EQ(g_game.m_overlays.size(), 1);
    EXPECT_EQ(Row(2, 4, 77), "┌" + Repeated("─", 71) + "┐");
    for (int32_t i = 0; i < 17; ++i)
    {
        std::string expected = RULES_ROWS[i];
        expected.resize(70, ' ');
        EXPECT_EQ(Row(3 + i, 4, 77), "│ " + expected + "│") << "row " << 3 + i;
    }
    EXPECT_EQ(Row(22, 35, 45), "  < OK >  ");
    EXPECT_EQ(Row(23, 4, 77), "└" + Repeated("─", 71) + "┘");
    EXPECT_EQ(Row(24, 0, 13), " Mines: 0 / 6") << "the status line below the box is the board's";

    RightClick(38, 22);
    Frame();
    EXPECT_EQ(g_game.m_overlays.size(), 1) << "the right button has no effect";
    LeftClick(43, 22);
    Frame();
    EXPECT_EQ(g_game.m_overlays.size(), 0);
    MoveToCell(0, 20);
    Frame();
    EXPECT_EQ(Row(3, 4, 77).find("Rules"), std::string::npos) << "the next board frame clears the screen";

    OpenRulesDialog();
    EXPECT_EQ(g_game.m_overlays.size(), 1) << "the dialog opens again";
}

TEST_F(Overlays, OpeningTwiceKeepsOneOfEach)
{
    Frame();
    OpenNewGameMenu(&m_output);
    Overlay* menu = g_game.m_newgame_menu;
    OpenNewGameMenu(&m_output);
    EXPECT_EQ(g_game.m_newgame_menu, menu);
    OpenRules(&m_output);
    OpenRules(&m_output);
    EXPECT_EQ(g_game.m_overlays.size(), 1);
    EXPECT_EQ(RunNewGameMenu(&m_output, &m_input), MENU_PENDING);
}

TEST(OverlaysDeathTest, ClosingTheRulesWithTwoOpenStops)
{
    ResetGame();
    EXPECT_ASSERT_DEATH(
        {
            g_game.m_overlays.push(new Overlay{});
            g_game.m_overlays.push(new Overlay{});
            g_game.CloseRules();
        },
        "m_overlays.size() <= 1");
}

}  // namespace
