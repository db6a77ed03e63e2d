// Frame-by-frame driving of the game for the tests.
#include "support/game_session.h"

#include "game/colors.h"
#include "game/deal.h"
#include "game/random.h"
#include "support/daily_board_2000.h"

void ResetGame()
{
    Game& game = g_game;
    if (game.m_newgame_menu)
    {
        ascii_destroy(&game.m_newgame_menu->ctx);
        delete game.m_newgame_menu;
        game.m_newgame_menu = nullptr;
    }
    for (int32_t i = 0; i < game.m_overlays.size(); ++i)
    {
        ascii_destroy(&game.m_overlays[i]->ctx);
        delete game.m_overlays[i];
    }
    game.m_overlays.clear();
    ascii_destroy(&game.m_ctx);
    ascii_set_ctx(nullptr);
    game.m_board.Resize(0, 0);
    game.m_markings.Resize(0, 0);
    game.m_fogofwar.Resize(0, 0);
    game.m_minehit = false;
    game.m_won = false;
}

void GameSession::SetUp()
{
    ResetGame();
    m_output.frame_buffer = m_pixels.data();
}

void GameSession::TearDown()
{
    ResetGame();
}

void GameSession::Frame()
{
    RunFrame(&m_input, &m_output);
    EXPECT_TRUE(m_output.present) << "every frame asks to be shown";
    m_output.present = 0;
    m_input.left_clicked = 0;
    m_input.right_clicked = 0;
}

ScreenReading GameSession::Screen() const
{
    return read_screen(m_pixels.data(), COLOR_TEAL);
}

std::string GameSession::Row(int32_t row, int32_t first, int32_t end) const
{
    return screen_row_text(Screen(), row, first, end);
}

ScreenCell GameSession::Cell(int32_t column, int32_t row) const
{
    return read_cell(m_pixels.data(), column, row, COLOR_TEAL);
}

void GameSession::MoveToCell(int32_t column, int32_t row)
{
    // Inside the cell, away from its top-left pixel, so that the division truncates as in play.
    m_input.mouse_x = column * ASCII_W + 3;
    m_input.mouse_y = row * ASCII_H + 5;
}

void GameSession::LeftClick(int32_t column, int32_t row)
{
    MoveToCell(column, row);
    m_input.left_clicked = 1;
}

void GameSession::RightClick(int32_t column, int32_t row)
{
    MoveToCell(column, row);
    m_input.right_clicked = 1;
}

int32_t GameSession::LabelColumn(int32_t x) const
{
    return (SCREEN_COLUMNS - 4 * g_game.m_board.GetWidth()) / 2 - 1 + 4 * x;
}

void GameSession::StartDaily2000()
{
    Frame();
    NewGameFromSeed(GAME_DAILY, DAILY_2000_SEED);
    Frame();
}
