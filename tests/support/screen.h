// Reads the 80x25 character screen back from a 640x400 picture, as a player sees it: per cell
// its two palette colours and the glyph that the foreground draws. A cell of one colour reads
// as a space. The same reading serves window-less tests and screenshots of the real window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ascii/ascii.h"

struct ScreenCell {
    int32_t glyph;   // -1: no glyph in two palette colours draws this cell
    int32_t fg, bg;  // palette indices; fg -1 in a cell of one colour
};

ScreenCell ReadCell(const uint32_t* picture, int32_t column, int32_t row);

// As many cells of a row as `like` has characters, from `column` on, as UTF-8: code page 437
// shapes as their Unicode look-alikes (♥ ♦ ♣ ☻ ─ │ ┌ ┐ └ ┘), an unreadable cell as '¤'.
std::string ReadText(const uint32_t* picture, int32_t column, int32_t row, const std::string& like);

// A display context over a picture of its own, first filled with a value no palette entry has.
struct TestDisplay {
    std::vector<uint32_t> picture = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H, 0x12345678);
    OutputState output = {picture.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);

    ~TestDisplay() { ascii_destroy(&ctx); }
    std::string Text(int32_t column, int32_t row, const std::string& like) const {
        return ReadText(picture.data(), column, row, like);
    }
};
