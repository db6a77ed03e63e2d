// Resetting the game between tests, random input, and the rules every frame must keep.
#include "support/play.h"

#include <algorithm>

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

InputState RandomInput(uint32_t bits) {
    static const int32_t PLACES[][2] = {{10, 0}, {31, 0}, {28, 8}, {28, 10}, {28, 12}, {28, 13}, {28, 14}, {35, 18}, {37, 22}};
    const uint32_t pick = bits % 81, press = bits / 81 % 4;
    const int32_t column = pick < 9 ? PLACES[pick][0] : 21 + 4 * int32_t((pick - 9) % 9);
    const int32_t row = pick < 9 ? PLACES[pick][1] : 2 + 2 * int32_t((pick - 9) / 9);
    InputState input = {column * ASCII_W + 3, row * ASCII_H + 5, 0, press == 1 || press == 3, 0, press >= 2};
    if (bits >> 29 == 0)  // now and then anywhere at all
        input.mouse_x = int32_t(bits * 2654435761u) >> 8, input.mouse_y = int32_t(bits * 40503u) >> 12;
    return input;
}

// The game asserts on every board frame that its three grids share one size.
std::string FrameKeepingTheRules(InputState* input, OutputState* output) {
    const Game& game = g_game;
    int32_t mines = 0, marks = 0, revealed[4] = {};  // by suit; a revealed mine under SUIT_NONE
    for (int32_t i = 0; i < game.m_board.GetWidth() * game.m_board.GetHeight(); ++i) {
        const bool shown = game.m_fogofwar.Cells()[i];
        mines += game.m_board.Cells()[i] == CELL_MINE, marks += !shown && game.m_markings.Cells()[i];
        revealed[CellSuit(game.m_board.Cells()[i])] += shown;
    }
    const int32_t frame = game.m_ctx ? game.m_ctx->frame : -1;
    ascii_set_ctx(nullptr);
    RunFrame(input, output);
    char status[80];  // the suit counters from column 15, whatever the width of the mine counter
    const int32_t n = snprintf(status, sizeof(status), " Mines: %d / %d", revealed[SUIT_NONE] + marks, mines);
    snprintf(status + n, sizeof(status) - n, "%*s♥: %d/13   ♦: %d/13   ♣: %d/13   ", std::max(0, 15 - n), "",
             revealed[SUIT_HEARTS], revealed[SUIT_DIAMONDS], revealed[SUIT_CLUBS]);
    if (frame >= 0 && game.m_ctx->frame != frame && ReadText(output->frame_buffer, 0, 24, status) != status)
        return "the status line reads " + ReadText(output->frame_buffer, 0, 24, status) + ", not " + status;

    // The picture is the recorded glyphs on the recorded background, as presenting and clearing assume.
    if (game.m_ctx && game.m_ctx->frame % 64 == 0 && g_picture_record.pixels == output->frame_buffer) {
        std::vector<uint32_t> drawn(size_t(PICTURE_W) * PICTURE_H, g_picture_record.background);
        for (int32_t i = 0; i < ASCII_COLUMNS * ASCII_ROWS; ++i)
            if (const PictureCell& cell = g_picture_record.cells[i / ASCII_COLUMNS][i % ASCII_COLUMNS]; cell.drawn)
                ascii_raster_glyph(drawn.data(), i % ASCII_COLUMNS * ASCII_W, i / ASCII_COLUMNS * ASCII_H, cell.code,
                                   g_palette[cell.color], g_palette[cell.bg_color]);
        if (memcmp(drawn.data(), output->frame_buffer, drawn.size() * 4) != 0)
            return "the picture is not what its record says";
    }
    const int32_t width = game.m_board.GetWidth(), size = width * game.m_board.GetHeight();
    std::vector<uint32_t> cells(game.m_board.Cells(), game.m_board.Cells() + size);
    std::sort(cells.begin(), cells.end());
    for (int32_t i = 0, x = 0, y = 0; i < size; x = ++i % width, y = i / width)
        if (cells[i] != (i < 39 ? uint32_t((i / 3 + 1) << 4 | (i % 3 + 1)) : CELL_MINE) || (game.m_board.Get(x, y) == CELL_MINE &&
            (game.m_board.Get(x + 1, y) == CELL_MINE || game.m_board.Get(x, y + 1) == CELL_MINE)))
            return "not the 39 cards once each and mines, none side by side";
    return "";
}
