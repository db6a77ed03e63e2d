// What the shell tests share: SDL started on its dummy video driver with the start window open,
// and the events a player's actions turn into, pushed into SDL's own queue so that they reach
// poll_input the way real ones do.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "main/clock.h"
#include "main/window.h"

class ShellTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(open_window(START_WINDOW_W, START_WINDOW_H));
        timer_init();
        SDL_Event stale;
        while (SDL_PollEvent(&stale))
        {
        }
    }

    void TearDown() override
    {
        SDL_Quit();
        g_screen = nullptr;
    }
};

inline void push_event(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

inline void push_motion(int32_t x, int32_t y)
{
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = 0;
    event.motion.x = Uint16(x);
    event.motion.y = Uint16(y);
    push_event(event);
}

inline void push_button(uint8_t type, uint8_t button, int32_t x, int32_t y)
{
    SDL_Event event = {};
    event.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = Uint16(x);
    event.button.y = Uint16(y);
    push_event(event);
}

inline void push_key(SDLKey key, SDLMod modifiers)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    push_event(event);
}

inline void push_quit()
{
    SDL_Event event = {};
    event.type = SDL_QUIT;
    push_event(event);
}

inline void push_resize(int32_t width, int32_t height)
{
    SDL_Event event = {};
    event.type = SDL_VIDEORESIZE;
    event.resize.w = width;
    event.resize.h = height;
    push_event(event);
}

inline uint32_t screen_pixel(int32_t x, int32_t y)
{
    const uint8_t* row = static_cast<const uint8_t*>(g_screen->pixels) + ptrdiff_t(y) * g_screen->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x];
}
