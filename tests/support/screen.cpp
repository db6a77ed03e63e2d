// Reading the character screen back; see screen.h.
#include "support/screen.h"

std::string LookAlike(uint32_t glyph) {
    const char* const suits[] = {"☻", "♥", "♦", "♣"};
    switch (glyph) {
    case 2: case 3: case 4: case 5: return suits[glyph - 2];
    case 179: return "│";
    case 191: return "┐";
    case 192: return "└";
    case 196: return "─";
    case 217: return "┘";
    case 218: return "┌";
    }
    return glyph >= ' ' && glyph < 127 ? std::string(1, char(glyph)) : "¤";
}

std::string ReadRows(const uint32_t* picture, int32_t first, int32_t last) {
    std::string rows;
    for (int32_t row = first; row <= last; ++row) {
        std::string text;
        for (const PictureCell& cell : g_picture_record.cells[row]) {
            const uint32_t glyph = cell.drawn ? cell.code : ' ';
            text += LookAlike(g_picture_record.pixels == picture ? glyph : 0);
        }
        rows += "\n" + text.erase(text.find_last_not_of(' ') + 1);
    }
    return rows;
}
