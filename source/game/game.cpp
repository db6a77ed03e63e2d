// The process-wide game state.
#include "game/game.h"

Game g_game;
