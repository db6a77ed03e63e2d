// Drawing aids of the immediate-mode interface: framed boxes, and clickable text that answers
// in the same call whether this frame's click landed on it.
#pragma once

#include "ascii/ascii.h"

struct UiCtx
{
    AsciiCtx* ctx;        // where to draw; not owned
    Vec2i mouse;          // mouse position in cells
    bool mouse_clicked;   // a button went down this frame (the caller decides which count)
    bool clip_rows;       // skip buttons on a negative row or on the last row and below
};

// Box glyphs of code page 437.
constexpr uint32_t GLYPH_VERTICAL = 179;
constexpr uint32_t GLYPH_TOP_RIGHT = 191;
constexpr uint32_t GLYPH_BOTTOM_LEFT = 192;
constexpr uint32_t GLYPH_HORIZONTAL = 196;
constexpr uint32_t GLYPH_BOTTOM_RIGHT = 217;
constexpr uint32_t GLYPH_TOP_LEFT = 218;

// Frames columns x0..x1-1 and rows y0..y1-1 with single lines and fills the inside with spaces.
void ascii_box(AsciiCtx* ctx, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t fg,
               int32_t bg);

// Writes text at the cursor; hovered (mouse on its row, within len + 1 columns of its start) it
// shows the colours swapped. A negative colour keeps the context's current one. Returns whether
// the mouse clicked it this frame.
bool ui_button(UiCtx* ui, const char* text, int32_t fg, int32_t bg);
