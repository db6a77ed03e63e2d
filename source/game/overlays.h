// The two modal screens drawn over the board: the new-game menu and the rules dialog. While one
// is open the game screen hands it the whole frame.
#pragma once

#include <cstdint>

#include "main/frame_io.h"

constexpr int32_t MENU_NONE = 0;      // no menu open, nothing drawn
constexpr int32_t MENU_PENDING = -1;  // the menu was drawn and no game was chosen

void OpenNewGameMenu(OutputState* output);
// MENU_NONE, MENU_PENDING, or the GameType chosen (the menu has then closed).
int32_t RunNewGameMenu(OutputState* output, InputState* input);

void OpenRules(OutputState* output);
// Whether the rules dialog was open and drawn this frame.
bool RunRules(OutputState* output, InputState* input);
