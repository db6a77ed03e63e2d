// Reads the character screen back from a picture by matching the font and palette; see the header
// for the readings it chooses where a cell is ambiguous.
#include "support/screen_reader.h"

#include <cstdlib>
#include <map>

#include "ascii/raster.h"

static constexpr int32_t GLYPH_COUNT = 256;
static constexpr int32_t ATLAS_WORDS_PER_ROW = 8;
static constexpr int32_t GLYPHS_PER_ATLAS_ROW = 32;
static constexpr int32_t BLANK_GLYPH = 32;
static constexpr int32_t PALETTE_SIZE = 16;
static constexpr int32_t CHANNEL_TOLERANCE = 16;  // palette entries differ by 48 or more
static constexpr uint8_t ALL_SET = 0xFF;

// Code page 437 as Unicode, one character per glyph; the blanks 0 and 255 as plain spaces.
static const char32_t CP437[GLYPH_COUNT + 1] =
    U" ☺☻♥♦♣♠•◘○◙♂♀♪♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼"
    U" !\"#$%&'()*+,-./0123456789:;<=>?"
    U"@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_"
    U"`abcdefghijklmnopqrstuvwxyz{|}~⌂"
    U"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒ"
    U"áíóúñÑªº¿⌐¬½¼¡«»░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
    U"└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀"
    U"αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■ ";
static_assert(sizeof(CP437) / sizeof(CP437[0]) == GLYPH_COUNT + 1, "one character per glyph");

static const char32_t UNREADABLE_TEXT = U'\uFFFD';

using GlyphShape = std::string;  // 16 row bytes

uint8_t font_glyph_row(int32_t glyph, int32_t row)
{
    const int32_t x = glyph % GLYPHS_PER_ATLAS_ROW * ASCII_W;
    const int32_t y = glyph / GLYPHS_PER_ATLAS_ROW * ASCII_H + row;
    const uint32_t word = g_ascii_font.atlas[y * ATLAS_WORDS_PER_ROW + x / 32];
    return uint8_t(word >> (x % 32));
}

// Shape to glyph; of identical shapes (the blanks) the space wins.
static const std::map<GlyphShape, int32_t>& glyph_shapes()
{
    static std::map<GlyphShape, int32_t> shapes;
    if (shapes.empty())
    {
        for (int32_t glyph = -1; glyph < GLYPH_COUNT; ++glyph)
        {
            const int32_t code = glyph < 0 ? BLANK_GLYPH : glyph;
            GlyphShape shape(ASCII_H, '\0');
            for (int32_t r = 0; r < ASCII_H; ++r)
                shape[r] = char(font_glyph_row(code, r));
            shapes.emplace(shape, code);
        }
    }
    return shapes;
}

static int32_t palette_index(uint32_t pixel)
{
    for (int32_t i = 0; i < PALETTE_SIZE; ++i)
    {
        bool near = true;
        for (int32_t shift = 0; shift < 24; shift += 8)
        {
            const int32_t a = int32_t((pixel >> shift) & 0xFF);
            const int32_t b = int32_t((g_palette[i] >> shift) & 0xFF);
            near = near && abs(a - b) <= CHANNEL_TOLERANCE;
        }
        if (near)
            return i;
    }
    return SCREEN_NO_COLOR;
}

static int32_t find_glyph(const GlyphShape& shape)
{
    const auto& shapes = glyph_shapes();
    const auto found = shapes.find(shape);
    return found == shapes.end() ? SCREEN_UNREADABLE : found->second;
}

ScreenCell read_cell(const uint32_t* pixels, int32_t column, int32_t row, int32_t preferred_bg)
{
    const ScreenCell unreadable = {SCREEN_UNREADABLE, SCREEN_NO_COLOR, SCREEN_NO_COLOR};
    int32_t first = SCREEN_NO_COLOR;
    int32_t second = SCREEN_NO_COLOR;
    GlyphShape first_shape(ASCII_H, '\0');
    for (int32_t r = 0; r < ASCII_H; ++r)
    {
        for (int32_t k = 0; k < ASCII_W; ++k)
        {
            const int32_t color = palette_index(pixels[(row * ASCII_H + r) * PICTURE_W + column * ASCII_W + k]);
            if (color == SCREEN_NO_COLOR)
                return unreadable;
            if (first == SCREEN_NO_COLOR)
                first = color;
            if (color == first)
            {
                first_shape[r] = char(uint8_t(first_shape[r]) | (1u << k));
                continue;
            }
            if (second == SCREEN_NO_COLOR)
                second = color;
            if (color != second)
                return unreadable;
        }
    }
    if (second == SCREEN_NO_COLOR)
        return {BLANK_GLYPH, SCREEN_NO_COLOR, first};

    GlyphShape second_shape = first_shape;
    for (char& byte : second_shape)
        byte = char(uint8_t(byte) ^ ALL_SET);
    const ScreenCell first_in_front = {find_glyph(first_shape), first, second};
    const ScreenCell second_in_front = {find_glyph(second_shape), second, first};
    if (first_in_front.glyph == SCREEN_UNREADABLE && second_in_front.glyph == SCREEN_UNREADABLE)
        return unreadable;
    if (first_in_front.glyph == SCREEN_UNREADABLE)
        return second_in_front;
    if (second_in_front.glyph == SCREEN_UNREADABLE)
        return first_in_front;
    if (preferred_bg == first_in_front.bg)
        return first_in_front;
    if (preferred_bg == second_in_front.bg)
        return second_in_front;
    return first_in_front.glyph < second_in_front.glyph ? first_in_front : second_in_front;
}

ScreenReading read_screen(const uint32_t* pixels, int32_t preferred_bg)
{
    ScreenReading screen;
    for (int32_t row = 0; row < SCREEN_ROWS; ++row)
        for (int32_t column = 0; column < SCREEN_COLUMNS; ++column)
            screen.cells[row][column] = read_cell(pixels, column, row, preferred_bg);
    return screen;
}

static void append_utf8(std::string* text, char32_t code)
{
    if (code < 0x80)
    {
        text->push_back(char(code));
    }
    else if (code < 0x800)
    {
        text->push_back(char(0xC0 | (code >> 6)));
        text->push_back(char(0x80 | (code & 0x3F)));
    }
    else
    {
        text->push_back(char(0xE0 | (code >> 12)));
        text->push_back(char(0x80 | ((code >> 6) & 0x3F)));
        text->push_back(char(0x80 | (code & 0x3F)));
    }
}

std::string glyph_text(int32_t glyph)
{
    std::string text;
    const bool known = glyph >= 0 && glyph < GLYPH_COUNT;
    append_utf8(&text, known ? CP437[glyph] : UNREADABLE_TEXT);
    return text;
}

std::string screen_row_text(const ScreenReading& screen, int32_t row, int32_t first, int32_t end)
{
    std::string text;
    for (int32_t column = first; column < end; ++column)
        text += glyph_text(screen.cells[row][column].glyph);
    return text;
}

std::string screen_text(const ScreenReading& screen)
{
    std::string text;
    for (int32_t row = 0; row < SCREEN_ROWS; ++row)
        text += screen_row_text(screen, row) + "\n";
    return text;
}

bool screen_find(const ScreenReading& screen, const std::string& text, int32_t* column, int32_t* row)
{
    for (int32_t r = 0; r < SCREEN_ROWS; ++r)
    {
        for (int32_t c = 0; c < SCREEN_COLUMNS; ++c)
        {
            // Every cell is one character, so the text's width in cells is its width in characters.
            std::string rest;
            for (int32_t k = c; k < SCREEN_COLUMNS && rest.size() < text.size(); ++k)
                rest += glyph_text(screen.cells[r][k].glyph);
            if (rest == text)
            {
                *column = c;
                *row = r;
                return true;
            }
        }
    }
    return false;
}
