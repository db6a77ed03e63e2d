// The input record from queued events: the mouse mapped into picture pixels at every scale and
// offset, the button flags over a scripted run of polls, the buttons that are ignored, and the
// quit requests.
#include <vector>

#include "main/frame_io.h"
#include "main/input.h"
#include "shell_fixture.h"

static bool operator==(const InputState& a, const InputState& b)
{
    return a.mouse_x == b.mouse_x && a.mouse_y == b.mouse_y && a.left_down == b.left_down &&
           a.left_clicked == b.left_clicked && a.right_down == b.right_down &&
           a.right_clicked == b.right_clicked;
}

static std::ostream& operator<<(std::ostream& out, const InputState& s)
{
    return out << "mouse (" << s.mouse_x << ", " << s.mouse_y << ") left " << int(s.left_down)
               << "/" << int(s.left_clicked) << " right " << int(s.right_down) << "/"
               << int(s.right_clicked);
}

static void resize_quietly(int32_t width, int32_t height)
{
    testing::internal::CaptureStdout();
    on_resize(width, height);
    testing::internal::GetCapturedStdout();
}

using InputTest = ShellTest;

struct MouseCase
{
    int32_t window_w, window_h;
    int32_t x, y;
    int32_t mouse_x, mouse_y;
};

TEST_F(InputTest, MouseMapsIntoPicturePixelsTruncatingTowardZero)
{
    const MouseCase cases[] = {
        {1280, 800, 0, 0, 0, 0},
        {1280, 800, 1, 1, 0, 0},
        {1280, 800, 2, 3, 1, 1},
        {1280, 800, 1279, 799, 639, 399},
        {1920, 1080, 320, 140, 0, 0},
        {1920, 1080, 319, 139, 0, 0},       // one pixel left of and above the picture
        {1920, 1080, 318, 138, -1, -1},     // two pixels
        {1920, 1080, 0, 0, -160, -70},
        {1920, 1080, 1599, 939, 639, 399},
        {1920, 1080, 1600, 940, 640, 400},  // right of and below the picture
        {1920, 1080, 1919, 1079, 799, 469},
        {1000, 1000, 179, 299, -1, -1},
        {1000, 1000, 180, 300, 0, 0},
        {1000, 1000, 820, 700, 640, 400},
        {3840, 2160, 319, 79, 0, 0},
        {3840, 2160, 314, 74, -1, -1},
        {3840, 2160, 3519, 2079, 639, 399},
    };
    for (const MouseCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.window_w << " x " << c.window_h << " window, pointer at "
                                        << c.x << ", " << c.y);
        resize_quietly(c.window_w, c.window_h);
        InputState input = {};
        push_motion(c.x, c.y);
        poll_input(&input, nullptr);
        EXPECT_EQ(input.mouse_x, c.mouse_x);
        EXPECT_EQ(input.mouse_y, c.mouse_y);
    }
}

TEST_F(InputTest, AResizeChangesTheMappingOfTheMotionAfterItInTheSamePoll)
{
    push_motion(330, 150);
    push_resize(1920, 1080);
    int32_t running = 1;
    InputState input = {};
    testing::internal::CaptureStdout();
    poll_input(&input, &running);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(input.mouse_x, 165) << "mapped at scale 2 without offsets";
    EXPECT_EQ(input.mouse_y, 75);

    push_resize(1000, 1000);
    push_motion(330, 350);
    testing::internal::CaptureStdout();
    poll_input(&input, &running);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(input.mouse_x, 150) << "mapped at scale 1 with offsets 180, 300";
    EXPECT_EQ(input.mouse_y, 50);
}

struct Press
{
    uint8_t type;
    uint8_t button;
};

struct PollStep
{
    std::vector<Press> presses;
    InputState expected;
};

TEST_F(InputTest, ButtonFlagsOverAScriptedRunOfPolls)
{
    const uint8_t DOWN = SDL_MOUSEBUTTONDOWN, UP = SDL_MOUSEBUTTONUP;
    const uint8_t LEFT = SDL_BUTTON_LEFT, MIDDLE = SDL_BUTTON_MIDDLE, RIGHT = SDL_BUTTON_RIGHT;
    const uint8_t WHEEL_UP = SDL_BUTTON_WHEELUP, WHEEL_DOWN = SDL_BUTTON_WHEELDOWN;
    const PollStep steps[] = {
        {{{DOWN, LEFT}}, {0, 0, 1, 1, 0, 0}},
        {{}, {0, 0, 1, 0, 0, 0}},                        // held: the click lasted one poll
        {{{UP, LEFT}}, {0, 0, 0, 0, 0, 0}},
        {{{DOWN, LEFT}, {UP, LEFT}}, {0, 0, 0, 1, 0, 0}},  // press and release in one poll
        {{}, {0, 0, 0, 0, 0, 0}},
        {{{DOWN, RIGHT}}, {0, 0, 0, 0, 1, 1}},
        {{{DOWN, LEFT}}, {0, 0, 1, 1, 1, 0}},
        {{{UP, RIGHT}, {DOWN, RIGHT}, {UP, RIGHT}}, {0, 0, 1, 0, 0, 1}},
        {{{UP, LEFT}}, {0, 0, 0, 0, 0, 0}},
        {{{DOWN, MIDDLE}, {DOWN, WHEEL_UP}, {UP, WHEEL_UP}, {DOWN, WHEEL_DOWN}}, {0, 0, 0, 0, 0, 0}},
        {{{DOWN, RIGHT}, {UP, MIDDLE}, {UP, WHEEL_DOWN}}, {0, 0, 0, 0, 1, 1}},
        {{{DOWN, MIDDLE}, {UP, MIDDLE}}, {0, 0, 0, 0, 1, 0}},
    };
    InputState input = {};
    int32_t step = 0;
    for (const PollStep& s : steps)
    {
        ++step;
        for (const Press& p : s.presses)
            push_button(p.type, p.button, 600, 500);
        poll_input(&input, nullptr);
        EXPECT_EQ(input, s.expected) << "after poll " << step;
    }
}

TEST_F(InputTest, AButtonPressWithoutMotionLeavesTheMouseWhereItWas)
{
    InputState input = {};
    push_motion(101, 201);
    poll_input(&input, nullptr);
    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 900, 700);
    push_button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1000, 10);
    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 3, 4);
    poll_input(&input, nullptr);
    EXPECT_EQ(input.mouse_x, 50);
    EXPECT_EQ(input.mouse_y, 100);
}

struct KeyCase
{
    SDLKey key;
    SDLMod modifiers;
    int32_t running_after;
};

TEST_F(InputTest, F4WithAnyModifiersAndCloseRequestsClearTheRunningFlag)
{
    const KeyCase keys[] = {
        {SDLK_F4, KMOD_NONE, 0},
        {SDLK_F4, KMOD_LALT, 0},
        {SDLK_F4, KMOD_RCTRL, 0},
        {SDLK_F4, KMOD_LSHIFT, 0},
        {SDLK_F4, SDLMod(KMOD_LALT | KMOD_LCTRL | KMOD_LSHIFT), 0},
        {SDLK_F3, KMOD_NONE, 1},
        {SDLK_F5, KMOD_LALT, 1},
        {SDLK_ESCAPE, KMOD_NONE, 1},
        {SDLK_q, KMOD_LCTRL, 1},
    };
    for (const KeyCase& k : keys)
    {
        SCOPED_TRACE(testing::Message() << "key " << k.key << " with modifiers " << k.modifiers);
        int32_t running = 1;
        InputState input = {};
        push_key(k.key, k.modifiers);
        poll_input(&input, &running);
        EXPECT_EQ(running, k.running_after);
    }

    int32_t running = 1;
    InputState input = {};
    SDL_Event release = {};
    release.type = SDL_KEYUP;
    release.key.keysym.sym = SDLK_F4;
    push_event(release);
    poll_input(&input, &running);
    EXPECT_EQ(running, 1) << "releasing F4";

    push_quit();
    poll_input(&input, &running);
    EXPECT_EQ(running, 0) << "closing the window";
}

TEST_F(InputTest, WithoutARunningFlagQuitRequestsChangeNothingElse)
{
    InputState input = {};
    push_key(SDLK_F4, KMOD_NONE);
    push_quit();
    push_motion(20, 40);
    push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 20, 40);
    poll_input(&input, nullptr);
    const InputState expected = {10, 20, 1, 1, 0, 0};
    EXPECT_EQ(input, expected);
}
