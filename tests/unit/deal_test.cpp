// Board generation: the daily board of 1 January 2000 step by step, then the promises every new
// board keeps, checked over thousands of seeds of every kind of game.
#include "game/deal.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "support/assert_death.h"
#include "support/board_text.h"
#include "support/daily_board_2000.h"

struct Position
{
    int32_t x, y;
};

static TextBoard Swapped(TextBoard board, const std::vector<std::pair<Position, Position>>& swaps)
{
    for (const auto& swap : swaps)
        std::swap(board.cells[size_t(swap.first.y * board.width + swap.first.x)],
                  board.cells[size_t(swap.second.y * board.width + swap.second.x)]);
    return board;
}

TEST(DailyBoard2000, DealtBeforeTheMinesAreMoved)
{
    Grid<uint32_t> board;
    board.Resize(9, 5);
    DealDeck(board, DAILY_2000_SEED);
    EXPECT_EQ(BoardText(board), BoardText(ParseBoard(DAILY_2000_DEALT)));
}

TEST(DailyBoard2000, ThreeSwapsInTwoPassesThenACleanPass)
{
    Grid<uint32_t> board;
    board.Resize(9, 5);
    DealDeck(board, DAILY_2000_SEED);
    Random rng;
    rng.Seed(DAILY_2000_SEED);
    const TextBoard dealt = ParseBoard(DAILY_2000_DEALT);

    EXPECT_EQ(SeparationPass(board, rng), 2);
    const TextBoard after_first = Swapped(dealt, {{{3, 3}, {6, 0}}, {{1, 4}, {0, 3}}});
    EXPECT_EQ(BoardText(board), BoardText(after_first));

    EXPECT_EQ(SeparationPass(board, rng), 1);
    const TextBoard after_second = Swapped(after_first, {{{6, 0}, {2, 1}}});
    EXPECT_EQ(BoardText(board), BoardText(after_second));

    EXPECT_EQ(SeparationPass(board, rng), 0);
    EXPECT_EQ(BoardText(board), BoardText(ParseBoard(DAILY_2000_FINAL)));

    Grid<uint32_t> again;
    again.Resize(9, 5);
    DealDeck(again, DAILY_2000_SEED);
    Random fresh;
    fresh.Seed(DAILY_2000_SEED);
    EXPECT_EQ(SeparateMines(again, fresh), 3);
    EXPECT_EQ(BoardText(again), BoardText(ParseBoard(DAILY_2000_FINAL)));
}

TEST(DailyBoard2000, NewGameRevealsOneCardOfEachSuit)
{
    EXPECT_EQ(NewGameFromSeed(GAME_DAILY, DAILY_2000_SEED), 3);
    EXPECT_EQ(BoardText(g_game.m_board), BoardText(ParseBoard(DAILY_2000_FINAL)));

    struct Reveal
    {
        int32_t x, y;
        const char* card;
    };
    const Reveal reveals[] = {{5, 1, "3h"}, {3, 0, "8d"}, {6, 4, "4c"}};
    int32_t revealed = 0;
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 9; ++x)
        {
            bool expected = false;
            for (const Reveal& reveal : reveals)
                if (reveal.x == x && reveal.y == y)
                {
                    expected = true;
                    EXPECT_EQ(CellText(g_game.m_board.Get(x, y)), reveal.card);
                }
            EXPECT_EQ(g_game.m_fogofwar.Get(x, y), expected ? FOG_REVEALED : FOG_HIDDEN)
                << "at (" << x << ", " << y << ")";
            revealed += g_game.m_fogofwar.Get(x, y);
        }
    EXPECT_EQ(revealed, 3);
}

struct KindSize
{
    int32_t type;
    int32_t width, height;
};

static const KindSize KIND_SIZES[] = {
    {GAME_DAILY, 9, 5}, {GAME_NORMAL, 9, 5}, {GAME_TUTORIAL, 8, 5}, {GAME_EASY, 7, 6},
    {GAME_HARD, 8, 6},  {0, 9, 5},           {6, 9, 5},           {-1, 9, 5},
    {1000, 9, 5},
};

static KindSize ExpectedSize(int32_t type)
{
    for (const KindSize& kind : KIND_SIZES)
        if (kind.type == type)
            return kind;
    return {type, 9, 5};
}

static int32_t SameSuitAround(const Grid<uint32_t>& board, int32_t x, int32_t y)
{
    int32_t count = 0;
    for (int32_t ny = y - 1; ny <= y + 1; ++ny)
        for (int32_t nx = x - 1; nx <= x + 1; ++nx)
        {
            bool on_board = nx >= 0 && nx < board.GetWidth() && ny >= 0 && ny < board.GetHeight();
            if ((nx != x || ny != y) && on_board &&
                (board.Cells()[ny * board.GetWidth() + nx] & CELL_SUIT_MASK) ==
                    (board.Cells()[y * board.GetWidth() + x] & CELL_SUIT_MASK))
                ++count;
        }
    return count;
}

// The first thing wrong with the game in g_game as a new game of the kind, or "" when none is.
static std::string NewBoardProblem(int32_t type)
{
    std::ostringstream problem;
    const KindSize size = ExpectedSize(type);
    const int32_t w = size.width, h = size.height;
    const Game& game = g_game;
    if (game.m_board.GetWidth() != w || game.m_board.GetHeight() != h || game.m_markings.GetWidth() != w ||
        game.m_markings.GetHeight() != h || game.m_fogofwar.GetWidth() != w || game.m_fogofwar.GetHeight() != h)
    {
        problem << "board " << game.m_board.GetWidth() << "x" << game.m_board.GetHeight() << ", expected " << w
                << "x" << h;
        return problem.str();
    }
    if (game.m_minehit || game.m_won)
        return "outcome flags set";

    const uint32_t* cells = game.m_board.Cells();
    int32_t seen[SUIT_COUNT + 1][RANK_COUNT + 1] = {};
    int32_t mines = 0;
    for (int32_t i = 0; i < w * h; ++i)
    {
        uint32_t cell = cells[i];
        uint32_t suit = cell & CELL_SUIT_MASK;
        uint32_t rank = (cell >> CELL_RANK_SHIFT) & CELL_RANK_MASK;
        if (cell == CELL_MINE)
            ++mines;
        else if (suit >= SUIT_HEARTS && suit <= SUIT_CLUBS && rank >= 1 && rank <= 13 &&
                 cell == ((rank << CELL_RANK_SHIFT) | suit))
            ++seen[suit][rank];
        else
        {
            problem << "cell " << i << " holds " << CellText(cell);
            return problem.str();
        }
    }
    for (uint32_t suit = SUIT_HEARTS; suit <= SUIT_CLUBS; ++suit)
        for (uint32_t rank = 1; rank <= 13; ++rank)
            if (seen[suit][rank] != 1)
            {
                problem << CellText((rank << CELL_RANK_SHIFT) | suit) << " dealt " << seen[suit][rank] << " times";
                return problem.str();
            }
    if (mines != w * h - 39)
    {
        problem << mines << " mines";
        return problem.str();
    }

    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
        {
            bool mine = cells[y * w + x] == CELL_MINE;
            bool right_mine = x + 1 < w && cells[y * w + x + 1] == CELL_MINE;
            bool below_mine = y + 1 < h && cells[(y + 1) * w + x] == CELL_MINE;
            if (mine && (right_mine || below_mine))
            {
                problem << "mines touch at (" << x << ", " << y << ")";
                return problem.str();
            }
            if (game.m_markings.Cells()[y * w + x] != MARK_NONE)
                return "a marking is set";
        }

    // The first card of each suit in row-major order with strictly the most neighbours of its suit.
    int32_t best[SUIT_COUNT + 1] = {};
    int32_t best_index[SUIT_COUNT + 1] = {-1, -1, -1, -1};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
        {
            uint32_t cell = cells[y * w + x];
            if (cell == CELL_MINE)
                continue;
            int32_t count = SameSuitAround(game.m_board, x, y);
            uint32_t suit = cell & CELL_SUIT_MASK;
            if (count > best[suit])
            {
                best[suit] = count;
                best_index[suit] = y * w + x;
            }
        }
    for (int32_t i = 0; i < w * h; ++i)
    {
        bool expected = false;
        for (uint32_t suit = SUIT_HEARTS; suit <= SUIT_CLUBS; ++suit)
            expected = expected || best_index[suit] == i;
        uint8_t fog = game.m_fogofwar.Cells()[i];
        if (fog != (expected ? FOG_REVEALED : FOG_HIDDEN))
        {
            problem << "fog " << int(fog) << " at (" << i % w << ", " << i / w << ")";
            return problem.str();
        }
    }
    return "";
}

TEST(NewGame, EveryBoardKeepsTheRules)
{
    constexpr uint32_t SEEDS_PER_KIND = 3000;
    const uint32_t extremes[] = {1, 2, 2147483646u, 2147483647u, 4294967294u, 4294967295u};
    for (const KindSize& kind : KIND_SIZES)
    {
        EXPECT_EQ(GetBoardSize(kind.type).width, kind.width) << "kind " << kind.type;
        EXPECT_EQ(GetBoardSize(kind.type).height, kind.height) << "kind " << kind.type;
        std::vector<uint32_t> seeds(std::begin(extremes), std::end(extremes));
        for (uint32_t i = 0; i < SEEDS_PER_KIND; ++i)
            seeds.push_back(kind.type == GAME_DAILY ? DailySeed({2000 + int32_t(i / 372), int32_t(i / 31 % 12) + 1,
                                                                 int32_t(i % 31) + 1, 0, 0, 0})
                                                    : MixTimeSeed(1767225600 + i * 37, i * 7919000u));
        for (uint32_t seed : seeds)
        {
            int32_t passes = NewGameFromSeed(kind.type, seed);
            std::string problem = NewBoardProblem(kind.type);
            ASSERT_EQ(problem, "") << "seed " << seed << " kind " << kind.type << "\n" << BoardText(g_game.m_board);
            ASSERT_GE(passes, 1) << "seed " << seed << " kind " << kind.type;
        }
    }
}

TEST(NewGame, StartsFromACleanState)
{
    NewGameFromSeed(GAME_NORMAL, 99);
    const uint32_t* board_block = g_game.m_board.Cells();
    g_game.m_minehit = true;
    g_game.m_won = true;
    g_game.m_markings.Fill(MARK_MINE);
    g_game.m_fogofwar.Fill(FOG_REVEALED);

    // Same number of positions: the blocks stay, so every one of them must be cleared anew.
    NewGameFromSeed(GAME_DAILY, DAILY_2000_SEED);
    EXPECT_EQ(g_game.m_board.Cells(), board_block);
    EXPECT_EQ(NewBoardProblem(GAME_DAILY), "");

    NewGameFromSeed(GAME_HARD, 99);
    g_game.m_markings.Fill(MARK_MINE);
    NewGameFromSeed(GAME_TUTORIAL, 99);
    EXPECT_EQ(NewBoardProblem(GAME_TUTORIAL), "");
}

TEST(NewGame, DailyBoardIsTheSameAllDay)
{
    const DateTime dates[] = {{2000, 1, 1, 0, 0, 0}, {2024, 2, 29, 0, 0, 0}, {2026, 12, 5, 0, 0, 0}};
    const int32_t times[][3] = {{0, 0, 1}, {6, 30, 0}, {12, 0, 0}, {23, 59, 59}, {23, 59, 60}};
    for (DateTime date : dates)
    {
        NewGameFromSeed(GAME_DAILY, DailySeed(date));
        const std::string board = BoardText(g_game.m_board);
        const std::vector<uint8_t> fog(g_game.m_fogofwar.Cells(), g_game.m_fogofwar.Cells() + 45);
        for (const int32_t* time : times)
        {
            DateTime later = date;
            later.hour = time[0];
            later.minute = time[1];
            later.second = time[2];
            NewGameFromSeed(GAME_DAILY, DailySeed(later));
            EXPECT_EQ(BoardText(g_game.m_board), board) << date.year << "-" << date.month << "-" << date.day;
            EXPECT_EQ(std::vector<uint8_t>(g_game.m_fogofwar.Cells(), g_game.m_fogofwar.Cells() + 45), fog);
        }
    }
}

TEST(NewGame, DailyGameIsTodaysBoard)
{
    DateTime before, after;
    std::string played, expected;
    do
    {
        before = GetLocalDateTime();
        NewGame(GAME_DAILY);
        played = BoardText(g_game.m_board);
        after = GetLocalDateTime();
    } while (before.day != after.day);  // dealt across midnight: try again
    NewGameFromSeed(GAME_DAILY, DailySeed(before));
    EXPECT_EQ(played, BoardText(g_game.m_board));
}

TEST(NewGame, ClockSeededKindsDealValidBoards)
{
    for (const KindSize& kind : KIND_SIZES)
    {
        NewGame(kind.type);
        EXPECT_EQ(NewBoardProblem(kind.type), "") << "kind " << kind.type;
    }
}

TEST(NewGameDeathTest, ZeroSeedIsRefused)
{
    EXPECT_ASSERT_DEATH(NewGameFromSeed(GAME_NORMAL, 0), "seed");
}
