// The one game in progress: the board of cards and mines, the player's marks, the revealed
// cells, the outcome, and the display context and overlays of the game screen. All of the
// game's state lives in g_game, so that a test can start from a clean one.
#pragma once

#include <cstdint>

#include "array/array.h"
#include "ascii/ui.h"
#include "game/grid.h"
#include "main/frame_io.h"

// A board cell, one 32-bit value:
//   bits 0-3   suit: SUIT_NONE (a mine), SUIT_HEARTS, SUIT_DIAMONDS, SUIT_CLUBS
//   bits 4-11  rank 1..13 (ace to king) for a card, 0 for a mine
//   bit 12     CELL_MINE; a mine is exactly CELL_MINE
// The queen of diamonds is 0xC2, the ace of hearts 0x11. Positions outside the board read as 0.
constexpr uint32_t CELL_SUIT_MASK = 0x0F;
constexpr uint32_t CELL_RANK_SHIFT = 4;
constexpr uint32_t CELL_RANK_MASK = 0xFF;
constexpr uint32_t CELL_MINE = 0x1000;

constexpr uint32_t SUIT_NONE = 0;
constexpr uint32_t SUIT_HEARTS = 1;
constexpr uint32_t SUIT_DIAMONDS = 2;
constexpr uint32_t SUIT_CLUBS = 3;

constexpr int32_t SUIT_COUNT = 3;
constexpr int32_t RANK_COUNT = 13;
constexpr int32_t DECK_SIZE = SUIT_COUNT * RANK_COUNT;

// Values of m_markings.
constexpr uint32_t MARK_NONE = 0;
constexpr uint32_t MARK_MINE = 1;

// Values of m_fogofwar.
constexpr uint8_t FOG_HIDDEN = 0;
constexpr uint8_t FOG_REVEALED = 1;

enum GameType : int32_t
{
    GAME_DAILY = 1,
    GAME_NORMAL = 2,
    GAME_TUTORIAL = 3,
    GAME_EASY = 4,
    GAME_HARD = 5,
};

// An open overlay: its clickable-text record, whose display context it owns.
using Overlay = UiCtx;

struct Game
{
    Grid<uint32_t> m_board;     // cards and mines
    Grid<uint32_t> m_markings;  // MARK_NONE or MARK_MINE per position
    Grid<uint8_t> m_fogofwar;   // FOG_HIDDEN or FOG_REVEALED per position
    bool m_minehit = false;     // a hidden mine was revealed in this game
    bool m_won = false;
    AsciiCtx* m_ctx = nullptr;             // the game screen's context, made on the first frame
    Overlay* m_newgame_menu = nullptr;     // the open new-game menu, if any
    Array<Overlay*> m_overlays;            // the open rules dialog, if any; never more than one

    // A rules dialog still open when the process ends is closed with the game: the array that
    // holds it frees its storage then, and would leave the dialog unreachable.
    ~Game();
    void CheckGridSizes() const;  // the three grids always share one size
    void CloseRules();
};

extern Game g_game;

inline uint32_t CellSuit(uint32_t cell) { return cell & CELL_SUIT_MASK; }
inline uint32_t CellRank(uint32_t cell) { return (cell >> CELL_RANK_SHIFT) & CELL_RANK_MASK; }
inline bool IsRedSuit(uint32_t cell)
{
    return CellSuit(cell) == SUIT_HEARTS || CellSuit(cell) == SUIT_DIAMONDS;
}

// Deals a new board of the given kind; any other code plays like GAME_NORMAL.
void NewGame(int32_t type);

// One frame of the game screen, called by the main loop; always leaves output->present set.
void RunFrame(InputState* input, OutputState* output);
