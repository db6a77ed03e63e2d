// Window events into the input record. Mouse positions arrive in window pixels and are kept in
// picture pixels, so they depend on the scale and offsets in force when the event is handled: a
// resize earlier in the same poll already changes the mapping of the motion after it. Positions
// outside the picture are kept as they come out, below 0 or past the picture's size; what a
// position means is left to the game. A left or right button event carries the position too,
// and it is taken: a press may come with no motion before it (SDL 1.2 on Windows, a quick flick
// and click, a tap), and the click belongs where it happened, not where the last motion left the
// mouse.
//
// The click flags live for one poll; the held flags for as long as the button is down:
//   poll with press            left_down 1, left_clicked 1
//   next poll, still held      left_down 1, left_clicked 0
//   poll with press + release  left_down 0, left_clicked 1
#include "main/input.h"

#include <SDL.h>

#include "main/window.h"

static const uint8_t LEFT_BUTTON = SDL_BUTTON_LEFT;
static const uint8_t RIGHT_BUTTON = SDL_BUTTON_RIGHT;

static void request_quit(int32_t* running)
{
    if (running)
        *running = 0;
}

static void move_mouse(InputState* input, int32_t window_x, int32_t window_y)
{
    // Signed division truncates toward zero, so the pixel left of the picture is 0 too.
    input->mouse_x = (window_x - g_offset_x) / g_scale;
    input->mouse_y = (window_y - g_offset_y) / g_scale;
}

// Only the two buttons the game reads count; the middle button and the wheel change nothing.
static void handle_button(InputState* input, const SDL_MouseButtonEvent& event, bool pressed)
{
    uint8_t* down;
    uint8_t* clicked;
    if (event.button == LEFT_BUTTON)
    {
        down = &input->left_down;
        clicked = &input->left_clicked;
    }
    else if (event.button == RIGHT_BUTTON)
    {
        down = &input->right_down;
        clicked = &input->right_clicked;
    }
    else
    {
        return;
    }
    move_mouse(input, event.x, event.y);
    *down = pressed;
    if (pressed)
        *clicked = 1;
}

void poll_input(InputState* input, int32_t* running)
{
    input->left_clicked = 0;
    input->right_clicked = 0;

    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        switch (event.type)
        {
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_F4)
                request_quit(running);
            break;
        case SDL_MOUSEMOTION:
            move_mouse(input, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            handle_button(input, event.button, true);
            break;
        case SDL_MOUSEBUTTONUP:
            handle_button(input, event.button, false);
            break;
        case SDL_QUIT:
            request_quit(running);
            break;
        case SDL_VIDEORESIZE:
            // Once the window is lost the program is on its way out; later resizes in the same
            // poll must not bring back a window and hide the loss.
            if (!g_screen)
                break;
            on_resize(event.resize.w, event.resize.h);
            if (!g_screen)
                request_quit(running);
            break;
        case SDL_VIDEOEXPOSE:
            on_expose();
            break;
        default:
            break;
        }
    }
}
