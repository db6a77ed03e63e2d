// The game driven frame by frame without a window, as the main loop drives it: a picture, an
// input record set by the test, and the screen read back after each frame. Scripts of steps
// play it by hand; random input plays it for the property tests, the fuzzer and the soak.
#pragma once

#include <gtest/gtest.h>

#include "game/game.h"
#include "support/screen.h"

// Closes the overlays, drops the game screen's context and empties the board.
void ResetGame();

// The mouse over one of the screen's clickable places (a board cell, a top button, a menu entry,
// < CANCEL >, < OK >) or anywhere at all, far off the picture too, and the left, the right, both
// or neither button going down: all from the bits of one random number.
InputState RandomInput(uint32_t bits);

// Runs one frame and checks what must hold whatever the input: the 39 cards once each and mines
// in the rest of the board, three grids of one size, no two mines side by side, after a board
// frame a status line that counts what the board held before it, and now and then a picture
// that is what its record says. Returns what broke.
std::string FrameKeepingTheRules(InputState* input, OutputState* output);

enum Press : int32_t { NONE, LEFT, RIGHT, BOTH };

struct Step {
    int32_t column, row;  // the mouse's cell; a negative column leaves the mouse where it is
    Press press;
    int32_t read_column, read_row;
    std::string text;  // what the screen then reads from that cell on
};

class Play : public testing::Test {
protected:
    void SetUp() override { ResetGame(); }
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
            input.left_clicked = step.press == LEFT || step.press == BOTH;
            input.right_clicked = step.press >= RIGHT;
            Frame();
            EXPECT_EQ(Text(step.read_column, step.read_row, step.text), step.text) << "step " << &step - &steps[0];
        }
    }
    std::string Text(int32_t column, int32_t row, const std::string& like) const {
        return ReadText(picture.data(), column, row, like);
    }
    ScreenCell Cell(int32_t column, int32_t row) const { return ReadCell(picture.data(), column, row); }

    std::vector<uint32_t> picture = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    OutputState output = {picture.data(), 0};
    InputState input = {};
};
