// Reads the 80x25 character screen back from a 640x400 picture: per cell the glyph that the
// display's record says it drew there, and the two palette colours of the cell's pixels. The
// record is what the display keeps of the frame buffer it last cleared whole; glyphs drawn as
// recorded are the rasteriser's own test and the random play's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ascii/ascii.h"

struct ScreenCell {
    int32_t glyph;   // a cell not drawn since the clear reads as a space; -1 if the record is of another picture
    int32_t fg, bg;  // palette indices, -1 for none: the top-left pixel's colour, and any other in the cell
};

ScreenCell ReadCell(const uint32_t* picture, int32_t column, int32_t row);

// A glyph as UTF-8: code page 437 shapes as their Unicode look-alikes (♥ ♦ ♣ ☻ ─ │ ┌ ┐ └ ┘),
// one that has none as '¤'.
std::string LookAlike(int32_t glyph);

// As many cells of a row as `like` has characters, from `column` on.
std::string ReadText(const uint32_t* picture, int32_t column, int32_t row, const std::string& like);

// A display context over a picture of its own, cleared so that the record follows it; the game
// draws into the same picture through contexts of its own.
struct TestDisplay {
    std::vector<uint32_t> picture = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    OutputState output = {picture.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);

    TestDisplay() { ascii_clear(ctx); }
    ~TestDisplay() { ascii_destroy(&ctx); }
    std::string Text(int32_t column, int32_t row, const std::string& like) const {
        return ReadText(picture.data(), column, row, like);
    }
    ScreenCell Cell(int32_t column, int32_t row) const { return ReadCell(picture.data(), column, row); }
};
