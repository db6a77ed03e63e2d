// The game screen, drawn whole once a frame: two buttons in the top row, the board in the
// middle, the outcome message and the status line at the bottom. The frame's click is applied
// to the board while the board is drawn, so everything above the board, and the clicked card
// itself, show the state from before the click:
//
//   frame n    the button goes down over a hidden card: the card is drawn "--", then revealed
//   frame n+1  the card, its number, the counters and any loss message show the reveal
#include <cstdio>

#include "ascii/ui.h"
#include "game/colors.h"
#include "game/game.h"
#include "game/neighbours.h"
#include "game/overlays.h"

// Screen layout, in cells.
constexpr int32_t RULES_BUTTON_COLUMN = 10;
constexpr int32_t NEW_GAME_BUTTON_COLUMN = 31;
constexpr int32_t BOARD_TOP_ROW = 2;
constexpr int32_t CELL_SLOT_WIDTH = 4;   // columns from one card's label to the next
constexpr int32_t CELL_SLOT_HEIGHT = 2;  // the label row and the number row
constexpr int32_t MINE_COUNTER_COLUMN = 1;
constexpr int32_t SUIT_COUNTERS_COLUMN = 15;
constexpr int32_t OUTCOME_COLUMN = 1;

// Suit code + 2: 3 heart, 4 diamond, 5 club; a mine's 0 + 2 is ☻.
constexpr uint32_t SUIT_GLYPH_OFFSET = 2;

// Indexed by the number of mines revealed.
static const char* const LOSS_MESSAGES[] = {
    nullptr,
    "GAME OVER - YOU HIT A MINE - BOOM!",
    "GAME DOUBLY OVER - YOU HIT ANOTHER MINE - BOOM BOOM!",
    "GAME TRIPILY OVER - BOOM BOOM BOOM!",
    "BOOM BOOM BOOM BOOM!",
    "OH MY GOD, YOU'RE SO DEAD. PLEASE STOP, JUST STOP.",
    "HOW ARE YOU STILL MOVING? YOU'VE HIT 6 MINES?!?",
    "LORD! THERE CAN'T BE ANYTHING LEFT OF YOUR BODY",
    "WHO KNEW MINESWEEPER WOULD BE THIS VIOLENT OF GAME?",
    "YOU KNOW THAT THE IDEA IS TO AVOID THE MINES?",
};
constexpr int32_t LOSS_MESSAGE_COUNT = int32_t(sizeof(LOSS_MESSAGES) / sizeof(LOSS_MESSAGES[0]));

struct Tallies
{
    int32_t mines_total;
    int32_t mines_hit;
    int32_t marks;              // on hidden cells only
    int32_t revealed[SUIT_COUNT + 1];  // by suit code; a revealed mine counts under SUIT_NONE
};

void Game::CheckGridSizes() const
{
    ASSERT(m_board.GetWidth() == m_fogofwar.GetWidth());
    ASSERT(m_board.GetHeight() == m_fogofwar.GetHeight());
    ASSERT(m_board.GetWidth() == m_markings.GetWidth());
    ASSERT(m_board.GetHeight() == m_markings.GetHeight());
}

static Tallies CountBoard(const Game& game)
{
    Tallies tallies = {};
    const int32_t count = game.m_board.GetWidth() * game.m_board.GetHeight();
    const uint32_t* cells = game.m_board.Cells();
    const uint8_t* fog = game.m_fogofwar.Cells();
    const uint32_t* markings = game.m_markings.Cells();
    for (int32_t i = 0; i < count; ++i)
    {
        const bool revealed = fog[i] != FOG_HIDDEN;
        if (cells[i] & CELL_MINE)
        {
            tallies.mines_total += 1;
            tallies.mines_hit += revealed;
        }
        if (revealed)
            tallies.revealed[CellSuit(cells[i])] += 1;
        else if (markings[i] != MARK_NONE)
            tallies.marks += 1;
    }
    return tallies;
}

static void DrawOutcome(const Game& game, const Tallies& tallies)
{
    const int32_t row = ascii_get_ctx()->size.y - 2;
    if (game.m_minehit)
    {
        set_cursor(OUTCOME_COLUMN, row);
        set_flash_color(COLOR_PURPLE, COLOR_BLACK, COLOR_MAGENTA, COLOR_BLACK);
        if (tallies.mines_hit >= 1 && tallies.mines_hit < LOSS_MESSAGE_COUNT)
            print("%s", LOSS_MESSAGES[tallies.mines_hit]);
    }
    else if (game.m_won)
    {
        set_cursor(OUTCOME_COLUMN, row);
        set_flash_color(COLOR_BROWN, COLOR_BLACK, COLOR_YELLOW, COLOR_BLACK);
        print("YOU WON! CONGRATS!");
    }
}

static void DrawStatusLine(const Tallies& tallies)
{
    const int32_t row = ascii_get_ctx()->size.y - 1;
    set_cursor(MINE_COUNTER_COLUMN, row);
    set_color(COLOR_BLACK, COLOR_TEAL);
    print("Mines: %d / %d", tallies.mines_hit + tallies.marks, tallies.mines_total);

    set_cursor(SUIT_COUNTERS_COLUMN, row);
    for (uint32_t suit = SUIT_HEARTS; suit <= SUIT_CLUBS; ++suit)
    {
        set_color(suit == SUIT_CLUBS ? COLOR_BLACK : COLOR_DARK_RED, COLOR_TEAL);
        put_char(suit + SUIT_GLYPH_OFFSET);
        print(": %d/13   ", tallies.revealed[suit]);
    }
}

// Indexed by rank; rank 0 is a mine's.
static const char* const RANK_TEXTS[] = {"",  "A",  "2", "3", "4", "5", "6",
                                         "7", "8", "9", "10", "J", "Q", "K"};

// The rank text and the suit glyph, zero-terminated; a mine has no rank and shows glyph 2.
static void FormatLabel(uint32_t cell, char label[4])
{
    const uint32_t rank = CellRank(cell);
    snprintf(label, 4, "%s%c", rank <= uint32_t(RANK_COUNT) ? RANK_TEXTS[rank] : "",
             char(CellSuit(cell) + SUIT_GLYPH_OFFSET));
}

static void DrawHiddenCell(Game& game, UiCtx* ui, const InputState* input, int32_t x, int32_t y)
{
    set_color(COLOR_BLACK, COLOR_TEAL);
    uint32_t& marking = game.m_markings.At(x, y);
    if (!ui_button(ui, marking != MARK_NONE ? "xx" : "--", -1, -1))
        return;
    // With both buttons down in one frame, marking wins.
    if (input->right_clicked)
    {
        marking = marking != MARK_NONE ? MARK_NONE : MARK_MINE;
        return;
    }
    if (IsMine(game.m_board, x, y))
        game.m_minehit = true;
    game.m_fogofwar.Set(x, y, FOG_REVEALED);
}

static void DrawRevealedCell(Game& game, UiCtx* ui, int32_t x, int32_t y, int32_t column,
                             int32_t row)
{
    const uint32_t cell = game.m_board.Get(x, y);
    const int32_t color = IsRedSuit(cell) ? COLOR_DARK_RED : COLOR_BLACK;
    set_color(color, COLOR_TEAL);
    if (CountAdjacentMines(game.m_board, x, y) > 0)
        set_flash_color(color, COLOR_TEAL, color + FLASH_BRIGHTER, COLOR_TEAL);

    char label[4];
    FormatLabel(cell, label);
    ui_button(ui, label, -1, -1);  // a revealed card shows hover colours but ignores clicks

    set_cursor(column, row + 1);
    set_color(COLOR_DARK_GREY, COLOR_TEAL);
    if (!(cell & CELL_MINE))
        print("%d", CountSameSuit(game.m_board, x, y));
}

static void DrawBoard(Game& game, UiCtx* ui, const InputState* input)
{
    const int32_t width = game.m_board.GetWidth();
    const int32_t height = game.m_board.GetHeight();
    const int32_t left = (ascii_get_ctx()->size.x - CELL_SLOT_WIDTH * width) / 2 - 1;
    for (int32_t y = 0; y < height; ++y)
    {
        for (int32_t x = 0; x < width; ++x)
        {
            const int32_t column = left + CELL_SLOT_WIDTH * x;
            const int32_t row = BOARD_TOP_ROW + CELL_SLOT_HEIGHT * y;
            set_cursor(column, row);
            if (game.m_fogofwar.Get(x, y) == FOG_HIDDEN)
                DrawHiddenCell(game, ui, input, x, y);
            else
                DrawRevealedCell(game, ui, x, y, column, row);
        }
    }
}

void RunFrame(InputState* input, OutputState* output)
{
    Game& game = g_game;
    if (!game.m_ctx)
    {
        game.m_ctx = ascii_create(output);
        ascii_set_ctx(game.m_ctx);
        set_color(COLOR_BLACK, COLOR_TEAL);
        clear_screen();
        NewGame(GAME_NORMAL);
    }

    ascii_set_ctx(game.m_ctx);
    if (RunRules(output, input))
        return;
    const int32_t menu = RunNewGameMenu(output, input);
    if (menu == MENU_PENDING)
        return;
    if (menu != MENU_NONE)
    {
        NewGame(menu);
        return;
    }

    game.m_ctx->frame += 1;
    set_color(COLOR_BLACK, COLOR_TEAL);
    clear_screen();
    UiCtx ui = {game.m_ctx, {input->mouse_x / ASCII_W, input->mouse_y / ASCII_H},
                input->left_clicked || input->right_clicked, true};

    set_color(COLOR_BLACK, COLOR_TEAL);
    set_cursor(RULES_BUTTON_COLUMN, 0);
    if (ui_button(&ui, "< Rules >", COLOR_BLACK, COLOR_TEAL))
        OpenRules(output);
    set_cursor(NEW_GAME_BUTTON_COLUMN, 0);
    if (ui_button(&ui, "< New Game >", COLOR_BLACK, COLOR_TEAL))
        OpenNewGameMenu(output);

    game.CheckGridSizes();
    const Tallies tallies = CountBoard(game);
    if (tallies.marks == tallies.mines_total && tallies.revealed[SUIT_HEARTS] == RANK_COUNT &&
        tallies.revealed[SUIT_DIAMONDS] == RANK_COUNT && tallies.revealed[SUIT_CLUBS] == RANK_COUNT)
        game.m_won = true;

    DrawOutcome(game, tallies);
    DrawStatusLine(tallies);
    DrawBoard(game, &ui, input);
    output->present = 1;
}
