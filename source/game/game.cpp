// The process-wide game state, and what it still holds when the process ends.
#include "game/game.h"

Game g_game;

Game::~Game()
{
    if (m_overlays.size() > 0)
        CloseRules();
}
