// Reading the character screen back; see screen.h.
#include "support/screen.h"

#include "ascii/raster.h"

static int32_t PaletteIndex(uint32_t pixel) {
    for (int32_t i = 0; i < 16; ++i)
        if (((g_palette[i] ^ pixel) & 0xFFFFFF) == 0)  // screenshots carry no alpha
            return i;
    return -1;
}

ScreenCell ReadCell(const uint32_t* picture, int32_t column, int32_t row) {
    const uint32_t* cell = picture + (row * ASCII_H * PICTURE_W + column * ASCII_W);
    int32_t fg = -1;
    for (int32_t r = 0; r < ASCII_H; ++r)
        for (int32_t k = 0; k < ASCII_W; ++k)
            fg = cell[r * PICTURE_W + k] != cell[0] ? PaletteIndex(cell[r * PICTURE_W + k]) : fg;
    const PictureCell& recorded = g_picture_record.cells[row][column];
    return {g_picture_record.pixels != picture ? -1 : recorded.drawn ? int32_t(recorded.code) : ' ', fg, PaletteIndex(cell[0])};
}

std::string LookAlike(int32_t glyph) {
    static const std::pair<int32_t, const char*> LOOK_ALIKES[] = {
        {2, "☻"}, {3, "♥"}, {4, "♦"}, {5, "♣"}, {179, "│"}, {191, "┐"}, {192, "└"}, {196, "─"}, {217, "┘"}, {218, "┌"}};
    for (const auto& [code, look] : LOOK_ALIKES)
        if (code == glyph)
            return look;
    return glyph >= ' ' && glyph < 127 ? std::string(1, char(glyph)) : "¤";
}

std::string ReadText(const uint32_t* picture, int32_t column, int32_t row, const std::string& like) {
    std::string text;
    for (const char byte : like)
        if ((byte & 0xC0) != 0x80)  // one cell per character, not per byte
            text += LookAlike(ReadCell(picture, column++, row).glyph);
    return text;
}
