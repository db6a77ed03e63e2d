// Reads the 80x25 character screen back from a 640x400 picture, so that tests can assert on what
// a player would see rather than on the display's internals: per cell the glyph and its colour
// indices, found by matching the built-in font and palette, and rows as readable UTF-8 text
// (code page 437 shapes as their Unicode look-alikes: ♥ ♦ ♣ ─ │ ┌ ┐ └ ┘ ...; blanks as spaces).
//
// It takes a plain buffer of 0xAARRGGBB pixels, row-major, 640 a row, whether a context drew it
// or a window screenshot was scaled down to it. Pixels match a palette entry exactly or within a
// small tolerance per channel. Some cells have two readings:
// - a single-colour cell reads as a space (glyph 32) in that background, with no foreground;
//   a full block (219) therefore reads as a space in the block's colour;
// - glyphs that are exact inverses of each other (7 and 8, 9 and 10, 220 and 223, 221 and 222)
//   read with the background the caller prefers, else as the lower glyph code.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t SCREEN_COLUMNS = 80;
constexpr int32_t SCREEN_ROWS = 25;
constexpr int32_t SCREEN_NO_COLOR = -1;    // no foreground (single colour), or no preference
constexpr int32_t SCREEN_UNREADABLE = -1;  // glyph of a cell that matches no glyph and colours

struct ScreenCell
{
    int32_t glyph;  // 0..255, or SCREEN_UNREADABLE
    int32_t fg;     // palette index, or SCREEN_NO_COLOR
    int32_t bg;     // palette index, or SCREEN_NO_COLOR when unreadable
};

struct ScreenReading
{
    ScreenCell cells[SCREEN_ROWS][SCREEN_COLUMNS];  // [row][column]
};

// Row r of glyph c of the built-in font, bit 0 the leftmost pixel, read through the atlas layout.
uint8_t font_glyph_row(int32_t glyph, int32_t row);

ScreenCell read_cell(const uint32_t* pixels, int32_t column, int32_t row,
                     int32_t preferred_bg = SCREEN_NO_COLOR);
ScreenReading read_screen(const uint32_t* pixels, int32_t preferred_bg = SCREEN_NO_COLOR);

// The Unicode look-alike of a code page 437 glyph as UTF-8; blanks give " ", an unreadable
// cell "\uFFFD".
std::string glyph_text(int32_t glyph);

// Columns first..end-1 of a row as text, one character per cell.
std::string screen_row_text(const ScreenReading& screen, int32_t row, int32_t first = 0,
                            int32_t end = SCREEN_COLUMNS);
// Every row, each ending in a newline; for failure messages.
std::string screen_text(const ScreenReading& screen);
// The first cell, top to bottom and left to right, where the UTF-8 text starts on one row.
bool screen_find(const ScreenReading& screen, const std::string& text, int32_t* column, int32_t* row);
