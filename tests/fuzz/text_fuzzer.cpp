// Arbitrary bytes through every text entry point of a display context (utf8_decode is the one
// that ascii_write and ascii_measure call for every sequence), with the cursor, the left margin
// and the colours taken from the input: column (4 bytes), row, margin, colours (foreground low,
// background high), then the text. The column is any 32-bit value, far off the picture too; the
// row is chosen so that column + 80 x row still names a cell in the picture's rows, and the
// margin lies within 79 columns left of the cursor. A byte of text takes the cursor a row down at
// most, so a text of n bytes starts no lower than row 25 - n and never reaches the designed stop
// past the last row.
#include "support/screen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TestDisplay display;
    AsciiCtx* ctx = display.ctx;
    if (size < 7 || size > 7 + ASCII_ROWS)
        return 0;
    const int32_t column = int32_t(data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24), length = int32_t(size) - 7;
    const int32_t row = data[4] % (ASCII_ROWS + 1 - length) - (column / ASCII_COLUMNS - (column % ASCII_COLUMNS < 0));
    ctx->left_margin = column < INT32_MIN + ASCII_COLUMNS ? column : column - data[5] % ASCII_COLUMNS;
    ascii_set_color(ctx, data[6] & 15, data[6] >> 4);
    const char *text = reinterpret_cast<const char*>(data) + 7, *end = text + length;
    ascii_set_cursor(ctx, column, row), ascii_write(ctx, text, end);
    ascii_set_cursor(ctx, column, row), ascii_printf(ctx, "%s", std::string(text, end).c_str());
    ascii_set_cursor(ctx, column, row), ascii_write_line(ctx, std::string(text, end).c_str());
    const Vec2i measured = ascii_measure(ctx, text, end);  // its widest line and its newlines are among the bytes
    return measured.x + measured.y > length + 1 ? abort(), 0 : 0;
}
