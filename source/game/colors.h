// The palette entries the game draws with, by name. Every flashing pair alternates an entry
// with the one FLASH_BRIGHTER places above it.
#pragma once

#include <cstdint>

constexpr int32_t COLOR_BLACK = 0;
constexpr int32_t COLOR_TEAL = 3;
constexpr int32_t COLOR_DARK_RED = 4;
constexpr int32_t COLOR_PURPLE = 5;
constexpr int32_t COLOR_BROWN = 6;
constexpr int32_t COLOR_LIGHT_GREY = 7;
constexpr int32_t COLOR_DARK_GREY = 8;
constexpr int32_t COLOR_LIGHT_RED = 12;
constexpr int32_t COLOR_MAGENTA = 13;
constexpr int32_t COLOR_YELLOW = 14;

constexpr int32_t FLASH_BRIGHTER = 8;
