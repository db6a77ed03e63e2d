// Reading and writing the tests' text boards; see board_text.h.
#include "support/board_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/game.h"

static const char* const RANK_TEXT[] = {"?", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
static const char SUIT_LETTER[] = {'?', 'h', 'd', 'c'};
static const char* const MINE_TEXT = "**";

static uint32_t ParseCell(const std::string& token)
{
    if (token == MINE_TEXT)
        return CELL_MINE;
    std::string rank = token.substr(0, token.size() - 1);
    char suit = token.back();
    for (uint32_t r = 1; r <= uint32_t(RANK_COUNT); ++r)
        for (uint32_t s = SUIT_HEARTS; s <= SUIT_CLUBS; ++s)
            if (rank == RANK_TEXT[r] && suit == SUIT_LETTER[s])
                return (r << CELL_RANK_SHIFT) | s;
    ADD_FAILURE() << "not a cell: " << token;
    return 0;
}

TextBoard ParseBoard(const std::string& text)
{
    TextBoard board = {0, 0, {}};
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream tokens(line);
        std::string token;
        int32_t width = 0;
        while (tokens >> token)
        {
            board.cells.push_back(ParseCell(token));
            ++width;
        }
        if (width == 0)
            continue;
        if (board.height > 0 && width != board.width)
            ADD_FAILURE() << "row " << board.height << " has " << width << " cells, not " << board.width;
        board.width = width;
        ++board.height;
    }
    return board;
}

std::string CellText(uint32_t cell)
{
    if (cell == CELL_MINE)
        return MINE_TEXT;
    uint32_t rank = CellRank(cell);
    uint32_t suit = CellSuit(cell);
    if (rank < 1 || rank > uint32_t(RANK_COUNT) || suit < SUIT_HEARTS || suit > SUIT_CLUBS ||
        (cell & ~(CELL_SUIT_MASK | CELL_RANK_MASK << CELL_RANK_SHIFT)) != 0)
    {
        std::ostringstream raw;
        raw << "0x" << std::hex << cell;
        return raw.str();
    }
    return std::string(RANK_TEXT[rank]) + SUIT_LETTER[suit];
}

static std::string RowsText(int32_t width, int32_t height, const uint32_t* cells)
{
    std::string text;
    for (int32_t y = 0; y < height; ++y)
    {
        for (int32_t x = 0; x < width; ++x)
        {
            if (x > 0)
                text += ' ';
            text += CellText(cells[y * width + x]);
        }
        text += '\n';
    }
    return text;
}

std::string BoardText(const Grid<uint32_t>& board)
{
    return RowsText(board.GetWidth(), board.GetHeight(), board.Cells());
}

std::string BoardText(const TextBoard& board)
{
    return RowsText(board.width, board.height, board.cells.data());
}

void LoadBoard(const TextBoard& board, Grid<uint32_t>& grid)
{
    grid.Resize(board.width, board.height);
    for (int32_t i = 0; i < board.width * board.height; ++i)
        grid.Cells()[i] = board.cells[size_t(i)];
}
