// The immediate-mode drawing aids: framed boxes for the overlays' panels, and clickable text
// that draws itself and answers in the same call whether this frame's click landed on it.
// Neither remembers anything between frames; the caller fills the UiCtx anew every frame.
#include "ascii/ui.h"

#include <cstring>

static constexpr uint32_t GLYPH_SPACE = 32;

// Which glyph of the frame a cell shows; the top row wins over the bottom row and the left
// column over the right, so one-row and one-column boxes keep their opening corner.
static uint32_t box_glyph(int32_t x, int32_t y, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    if (y == y0)
        return x == x0 ? GLYPH_TOP_LEFT : x == x1 - 1 ? GLYPH_TOP_RIGHT : GLYPH_HORIZONTAL;
    if (y == y1 - 1)
        return x == x0 ? GLYPH_BOTTOM_LEFT : x == x1 - 1 ? GLYPH_BOTTOM_RIGHT : GLYPH_HORIZONTAL;
    return (x == x0 || x == x1 - 1) ? GLYPH_VERTICAL : GLYPH_SPACE;
}

void ascii_box(AsciiCtx* ctx, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t fg,
               int32_t bg)
{
    ascii_set_color(ctx, fg, bg);
    for (int32_t y = y0; y < y1; ++y)
    {
        for (int32_t x = x0; x < x1; ++x)
        {
            if (x < 0 || y < 0 || x >= ctx->size.x || y >= ctx->size.y)
                continue;
            ascii_set_cursor(ctx, x, y);
            ascii_put_char(ctx, box_glyph(x, y, x0, y0, x1, y1));
        }
    }
}

bool ui_button(UiCtx* ui, const char* text, int32_t fg, int32_t bg)
{
    AsciiCtx* ctx = ui->ctx;
    if (ui->clip_rows)
    {
        if (ctx->cursor.y < 0)
        {
            ascii_set_cursor(ctx, ctx->left_margin, ctx->cursor.y + 1);
            return false;
        }
        if (ctx->cursor.y >= ctx->size.y - 1)
            return false;
    }

    const int64_t len = int64_t(strlen(text));
    if (fg < 0)
        fg = ctx->color;
    if (bg < 0)
        bg = ctx->bg_color;

    // The span reaches one column past the text, so the cell right after a label answers too.
    const int64_t column = ctx->cursor.x;
    const bool hovered = ctx->cursor.y == ui->mouse.y && column <= ui->mouse.x &&
                         ui->mouse.x < column + len + 1;
    if (hovered)
        ascii_set_color(ctx, bg, fg);
    else
        ascii_set_color(ctx, fg, bg);

    ascii_write_line(ctx, text);
    ctx->cursor.x = ctx->left_margin;
    return hovered && ui->mouse_clicked;
}
