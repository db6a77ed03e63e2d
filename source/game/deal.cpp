// Board generation from a seed: the deck, the shuffle, the separation of touching mines and the
// starting reveals. The game frame decides when to deal; the seed comes from new_game.cpp.
#include "game/deal.h"

#include "array/array.h"
#include "game/game.h"
#include "game/neighbours.h"

struct SuitBest
{
    int32_t count;  // same-suit neighbours of the best card so far; 0 until one has any
    int32_t x, y;
};

BoardSize GetBoardSize(int32_t type)
{
    switch (type)
    {
    case GAME_TUTORIAL:
        return {8, 5};
    case GAME_EASY:
        return {7, 6};
    case GAME_HARD:
        return {8, 6};
    default:
        return {9, 5};
    }
}

void DealDeck(Grid<uint32_t>& board, uint32_t seed)
{
    int32_t positions = board.GetWidth() * board.GetHeight();
    Array<uint32_t> deck;
    deck.reserve(positions);
    for (uint32_t suit = SUIT_HEARTS; suit <= SUIT_CLUBS; ++suit)
        for (uint32_t rank = 1; rank <= uint32_t(RANK_COUNT); ++rank)
            deck.push((rank << CELL_RANK_SHIFT) | suit);
    while (deck.size() < positions)
        deck.push(CELL_MINE);
    Shuffle(deck, seed);

    uint32_t* cells = board.Cells();
    for (int32_t i = 0; i < positions; ++i)
        cells[i] = deck[i];
}

int32_t SeparationPass(Grid<uint32_t>& board, Random& rng)
{
    int32_t width = board.GetWidth();
    int32_t height = board.GetHeight();
    uint32_t* cells = board.Cells();
    int32_t swaps = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
        {
            uint32_t cell = cells[y * width + x];
            if ((cell & CELL_MINE) == 0 || CountOrthogonalMines(board, x, y) == 0)
                continue;
            // Row first, then column: the order of the draws decides the board.
            int32_t ty = int32_t(rng.Next() * height);
            int32_t tx = int32_t(rng.Next() * width);
            cells[y * width + x] = cells[ty * width + tx];
            cells[ty * width + tx] = cell;
            ++swaps;
        }
    return swaps;
}

int32_t SeparateMines(Grid<uint32_t>& board, Random& rng)
{
    int32_t passes = 1;
    while (SeparationPass(board, rng) > 0)
        ++passes;
    return passes;
}

// Reveals, for each suit, the first card in row-major order with the most neighbours of its own
// suit, unless no card of the suit touches another.
static void RevealStartingCards(const Grid<uint32_t>& board, Grid<uint8_t>& fog)
{
    SuitBest best[SUIT_COUNT] = {};
    for (int32_t y = 0; y < board.GetHeight(); ++y)
        for (int32_t x = 0; x < board.GetWidth(); ++x)
        {
            uint32_t suit = CellSuit(board.Get(x, y));
            if (suit == SUIT_NONE)
                continue;
            int32_t count = CountSameSuit(board, x, y);
            SuitBest& suit_best = best[suit - SUIT_HEARTS];
            if (count > suit_best.count)
                suit_best = {count, x, y};
        }
    for (const SuitBest& suit_best : best)
        if (suit_best.count > 0)
            fog.Set(suit_best.x, suit_best.y, FOG_REVEALED);
}

int32_t NewGameFromSeed(int32_t type, uint32_t seed)
{
    // Seeded like the shuffle's own generator, so the separation repeats the shuffle's draws.
    Random rng;
    rng.Seed(seed);
    BoardSize size = GetBoardSize(type);

    g_game.m_minehit = false;
    g_game.m_won = false;
    g_game.m_board.Resize(size.width, size.height);
    g_game.m_board.Fill(0);
    DealDeck(g_game.m_board, seed);
    int32_t passes = SeparateMines(g_game.m_board, rng);

    g_game.m_fogofwar.Resize(size.width, size.height);
    g_game.m_fogofwar.Fill(FOG_HIDDEN);
    g_game.m_markings.Resize(size.width, size.height);
    g_game.m_markings.Fill(MARK_NONE);
    RevealStartingCards(g_game.m_board, g_game.m_fogofwar);
    return passes;
}
