// A game driven frame by frame without a window, as the main loop would drive it: a frame
// buffer, an input record that the test sets up (mouse over a cell, a button going down), and
// the screen read back as text after each frame. Each session starts from a fresh game state.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/screen_reader.h"

// Closes the overlays, drops the game screen's context and empties the board.
void ResetGame();

class GameSession : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs one frame; the click flags then fall back, as the next poll would leave them.
    void Frame();
    ScreenReading Screen() const;
    std::string Row(int32_t row, int32_t first = 0, int32_t end = SCREEN_COLUMNS) const;
    ScreenCell Cell(int32_t column, int32_t row) const;

    void MoveToCell(int32_t column, int32_t row);
    // Mouse over the cell and the button going down in the next frame.
    void LeftClick(int32_t column, int32_t row);
    void RightClick(int32_t column, int32_t row);

    // Where board position (x, y) shows its label, for the board size now in play.
    int32_t LabelColumn(int32_t x) const;
    static int32_t LabelRow(int32_t y) { return 2 + 2 * y; }
    void LeftClickBoard(int32_t x, int32_t y) { LeftClick(LabelColumn(x), LabelRow(y)); }
    void RightClickBoard(int32_t x, int32_t y) { RightClick(LabelColumn(x), LabelRow(y)); }

    // Runs the first frame, then replaces its random board by the daily board of 1 January 2000
    // and draws it.
    void StartDaily2000();

    std::vector<uint32_t> m_pixels = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    OutputState m_output = {};
    InputState m_input = {};
};
