// The 80x25 character screen read back as text, for the tests to compare with text written out,
// from the display's record of what it drew since it last cleared the picture. That the pixels
// are what the record says is the rasteriser's own test and the random play's.
#pragma once

#include <string>
#include <vector>

#include "ascii/ascii.h"

// A glyph as UTF-8: the suits, the mine and the box lines as their Unicode look-alikes
// (♥ ♦ ♣ ☻ ─ │ ┌ ┐ └ ┘), printable ASCII as itself, any other glyph as '¤'.
std::string LookAlike(uint32_t glyph);

// Rows first to last of a picture, each after a newline and without the blanks at its end; a
// cell not drawn since the last clear reads as a blank, and every cell as '¤' when the record is
// of another picture.
std::string ReadRows(const uint32_t* picture, int32_t first, int32_t last);

// A display context over a picture of its own, cleared so that the record follows it; the game
// draws into the same picture through contexts of its own.
struct TestDisplay {
    std::vector<uint32_t> picture = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    OutputState output = {picture.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);

    TestDisplay() { ascii_clear(ctx); }
    ~TestDisplay() { ascii_destroy(&ctx); }
    std::string Rows(int32_t first, int32_t last) const {
        return ReadRows(picture.data(), first, last);
    }
    // The colours a cell was drawn in.
    int32_t Fg(int32_t column, int32_t row) const {
        return g_picture_record.cells[row][column].color;
    }
    int32_t Bg(int32_t column, int32_t row) const {
        return g_picture_record.cells[row][column].bg_color;
    }
};
