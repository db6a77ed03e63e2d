// Reading the character screen back from pixels; see screen.h.
#include "support/screen.h"

#include <map>

#include "ascii/raster.h"

static int32_t PaletteIndex(uint32_t pixel) {
    for (int32_t i = 0; i < 16; ++i)
        if (((g_palette[i] ^ pixel) & 0xFFFFFF) == 0)  // screenshots carry no alpha
            return i;
    return -1;
}

// Glyphs by their 16 rows of set pixels; of equal shapes the lowest code.
static int32_t GlyphOfShape(const std::string& shape) {
    static const std::map<std::string, int32_t> glyphs = [] {
        std::map<std::string, int32_t> shapes;
        const char* atlas = reinterpret_cast<const char*>(g_ascii_font.atlas);
        for (int32_t glyph = 255; glyph >= 0; --glyph) {
            std::string rows;
            for (int32_t r = 0; r < ASCII_H; ++r)
                rows += atlas[((glyph / 32) * ASCII_H + r) * 32 + glyph % 32];
            shapes[rows] = glyph;
        }
        return shapes;
    }();
    const auto found = glyphs.find(shape);
    return found == glyphs.end() ? -1 : found->second;
}

// The top-left pixel of every glyph the game draws is background: the rest of the cell is the
// glyph's shape in one other colour.
ScreenCell ReadCell(const uint32_t* picture, int32_t column, int32_t row) {
    const uint32_t* cell = picture + (row * ASCII_H * PICTURE_W + column * ASCII_W);
    const uint32_t back = cell[0];
    uint32_t front = back;
    std::string shape(ASCII_H, '\0');
    for (int32_t r = 0; r < ASCII_H; ++r)
        for (int32_t k = 0; k < ASCII_W; ++k) {
            const uint32_t pixel = cell[r * PICTURE_W + k];
            if (pixel != back && front != back && pixel != front)
                return {-1, -1, -1};
            front = pixel != back ? pixel : front;
            shape[r] = char(shape[r] | (pixel != back) << k);
        }
    if (front == back)
        return {PaletteIndex(back) < 0 ? -1 : ' ', -1, PaletteIndex(back)};
    const int32_t glyph = GlyphOfShape(shape);
    return {glyph, glyph < 0 ? -1 : PaletteIndex(front), PaletteIndex(back)};
}

std::string ReadText(const uint32_t* picture, int32_t column, int32_t row, const std::string& like) {
    static const std::pair<int32_t, const char*> LOOK_ALIKES[] = {
        {2, "☻"}, {3, "♥"}, {4, "♦"}, {5, "♣"}, {179, "│"}, {191, "┐"}, {192, "└"}, {196, "─"}, {217, "┘"}, {218, "┌"}};
    std::string text;
    for (const char byte : like) {
        if ((byte & 0xC0) == 0x80)
            continue;  // one cell per character, not per byte
        const int32_t glyph = ReadCell(picture, column++, row).glyph;
        std::string shown = glyph >= ' ' && glyph < 127 ? std::string(1, char(glyph)) : "¤";
        for (const auto& [code, look] : LOOK_ALIKES)
            shown = code == glyph ? look : shown;
        text += shown;
    }
    return text;
}
