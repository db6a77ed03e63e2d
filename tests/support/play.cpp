// Resetting the game between tests, random input, and the rules every frame must keep.
#include "support/play.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ascii/raster.h"

void ResetGame() {
    if (g_game.m_newgame_menu)
        ascii_destroy(&g_game.m_newgame_menu->ctx);
    delete g_game.m_newgame_menu;
    g_game.m_newgame_menu = nullptr;
    if (g_game.m_overlays.size() > 0)
        g_game.CloseRules();
    ascii_destroy(&g_game.m_ctx);
}

// The places a click does something, in cells: the buttons, the menu's entries, < OK >.
static const Vec2i PLACES[] = {
    {10, 0}, {31, 0}, {28, 8}, {28, 10}, {28, 12}, {28, 13}, {28, 14}, {35, 18}, {37, 22},
};
constexpr int32_t CARD_SLOTS = 9 * 8;  // 9 columns of rows 2 to 16, past the largest board

InputState RandomInput(uint32_t bits) {
    const int32_t place = int32_t(bits % (9 + CARD_SLOTS));
    const uint32_t buttons = bits / (9 + CARD_SLOTS) % 4;  // neither, left, right, both
    const int32_t slot = place - 9;
    Vec2i cell = {21 + 4 * (slot % 9), 2 + 2 * (slot / 9)};
    if (place < 9)
        cell = PLACES[place];
    InputState input = {cell.x * ASCII_W + 3, cell.y * ASCII_H + 5, 0, 0, 0, 0};
    input.left_clicked = buttons == 1 || buttons == 3;
    input.right_clicked = buttons >= 2;
    if (bits >> 29 == 0) {  // one time in eight, anywhere
        input.mouse_x = int32_t(bits * 2654435761u) >> 8;
        input.mouse_y = int32_t(bits * 40503u) >> 12;
    }
    return input;
}

std::string BoardFault(const Grid<uint32_t>& board) {
    static const std::vector<uint32_t> DECK = {
        0x11, 0x12, 0x13, 0x21, 0x22, 0x23, 0x31, 0x32, 0x33, 0x41, 0x42, 0x43, 0x51,
        0x52, 0x53, 0x61, 0x62, 0x63, 0x71, 0x72, 0x73, 0x81, 0x82, 0x83, 0x91, 0x92,
        0x93, 0xA1, 0xA2, 0xA3, 0xB1, 0xB2, 0xB3, 0xC1, 0xC2, 0xC3, 0xD1, 0xD2, 0xD3,
    };
    std::vector<uint32_t> cards;
    for (int32_t y = 0; y < board.GetHeight(); ++y) {
        for (int32_t x = 0; x < board.GetWidth(); ++x) {
            const bool mine = board.Get(x, y) == CELL_MINE;
            if (!mine)
                cards.push_back(board.Get(x, y));
            else if (board.Get(x + 1, y) == CELL_MINE || board.Get(x, y + 1) == CELL_MINE)
                return "two mines side by side";
        }
    }
    std::sort(cards.begin(), cards.end());
    return cards == DECK ? "" : "not the 39 cards once each and mines in the rest";
}

// Presenting and clearing rely on the picture being its recorded glyphs on its background.
static bool PictureIsItsRecord(const uint32_t* picture) {
    const PictureRecord& record = g_picture_record;
    std::vector<uint32_t> drawn(size_t(PICTURE_W) * PICTURE_H, record.background);
    for (int32_t i = 0; i < ASCII_ROWS * ASCII_COLUMNS; ++i) {
        const PictureCell& cell = record.cells[i / ASCII_COLUMNS][i % ASCII_COLUMNS];
        const int32_t x = i % ASCII_COLUMNS * ASCII_W;
        const int32_t y = i / ASCII_COLUMNS * ASCII_H;
        if (cell.drawn)
            ascii_raster_glyph(drawn.data(), x, y, cell.code, g_palette[cell.color],
                               g_palette[cell.bg_color]);
    }
    return memcmp(drawn.data(), picture, drawn.size() * sizeof(uint32_t)) == 0;
}

std::string FrameKeepingTheRules(InputState* input, OutputState* output) {
    ascii_set_ctx(nullptr);  // the frame makes its own context current
    output->present = 0;
    RunFrame(input, output);
    const bool now_and_then = g_game.m_ctx->frame % 64 == 0;
    if (!output->present)
        return "the frame did not ask to be shown";
    const bool recorded = g_picture_record.pixels == output->frame_buffer;
    if (now_and_then && recorded && !PictureIsItsRecord(output->frame_buffer))
        return "the picture is not what the display's record says";
    return BoardFault(g_game.m_board);
}
