// The application shell on SDL's dummy video driver: events pushed into SDL's own queue reach
// poll_input as real ones do; the window surface is read back after presentation; the real main
// loop runs with a frame of the tests' own, and wrapped SDL_Delay and SDL_Flip show how it paces
// and what it sends the window.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "ascii/raster.h"
#include "game/colors.h"
#include "main/clock.h"
#include "main/input.h"
#include "main/loop.h"
#include "main/window.h"

extern "C" void __real_SDL_Delay(Uint32 milliseconds);
extern "C" int __real_SDL_Flip(SDL_Surface* screen);

static int32_t s_sleeps;  // calls of SDL_Delay with more than 0 milliseconds
static int32_t s_frames;  // runs of the tests' frame
static int32_t s_flips;   // pictures sent to the window

extern "C" void __wrap_SDL_Delay(Uint32 milliseconds) {
    s_sleeps += milliseconds > 0;
    __real_SDL_Delay(milliseconds);
}

extern "C" int __wrap_SDL_Flip(SDL_Surface* screen) {
    s_flips += 1;
    return __real_SDL_Flip(screen);
}

// An event: its type and two numbers, a position, a button and where it is (on the diagonal,
// for short), a key and its modifiers, or a size.
struct Event {
    Uint8 type;
    int32_t a = 0;
    int32_t b = 0;
};

static void Push(const std::vector<Event>& events) {
    for (const Event& e : events) {
        SDL_Event event = {e.type};
        if (e.type == SDL_MOUSEMOTION)
            event.motion = {e.type, 0, 0, Uint16(e.a), Uint16(e.b), 0, 0};
        if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
            event.button = {e.type, 0, Uint8(e.a), 0, Uint16(e.b), Uint16(e.b)};
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)
            event.key.keysym = {0, SDLKey(e.a), SDLMod(e.b), 0};
        if (e.type == SDL_VIDEORESIZE)
            event.resize = {e.type, e.a, e.b};
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
}

class Shell : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(open_window(START_WINDOW_W, START_WINDOW_H));
        timer_init();
        loop_start(&loop, picture.data());
        s_sleeps = 0;
        s_frames = 0;
        s_flips = 0;
        testing::internal::CaptureStdout();  // resizes report themselves
    }
    void TearDown() override {
        SDL_Quit();
        const std::string output = testing::internal::GetCapturedStdout();
        if (HasFailure())
            printf("%s", output.c_str());
    }
    // One iteration of the loop with a frame that does not ask to be shown; whether it ran.
    bool Iterate() {
        const int32_t frames = s_frames;
        loop_iteration(&loop, [](InputState*, OutputState*) { s_frames += 1; });
        return s_frames > frames;
    }

    std::vector<uint32_t> picture = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    MainLoop loop;
};

TEST_F(Shell, EventsBecomeTheInputRecordInPicturePixels) {
    const Uint8 DOWN = SDL_MOUSEBUTTONDOWN;
    const Uint8 UP = SDL_MOUSEBUTTONUP;
    const std::pair<std::vector<Event>, std::string> polls[] = {
        {{{SDL_MOUSEMOTION, 1279, 799}}, "639 399"},
        {{{DOWN, SDL_BUTTON_LEFT, 101}}, "50 50, left down clicked"},  // where it went down
        {{}, "50 50, left down"},
        {{{UP, SDL_BUTTON_LEFT, 101}, {DOWN, SDL_BUTTON_RIGHT, 3}}, "1 1, right down clicked"},
        {{{UP, SDL_BUTTON_RIGHT, 3}, {DOWN, SDL_BUTTON_LEFT, 9}, {UP, SDL_BUTTON_LEFT, 9}},
         "4 4, left clicked"},
        {{{DOWN, SDL_BUTTON_MIDDLE, 500}, {DOWN, SDL_BUTTON_WHEELUP, 500}}, "4 4"},
        {{{SDL_KEYDOWN, SDLK_ESCAPE}, {SDL_KEYDOWN, SDLK_q, KMOD_CTRL}, {SDL_KEYUP, SDLK_F4}},
         "4 4"},
        // A resize maps the motion after it: scale 2 about a picture 110 and 100 pixels in.
        {{{SDL_VIDEORESIZE, 1500, 1000}, {SDL_MOUSEMOTION, 110, 100}}, "0 0"},
        {{{SDL_MOUSEMOTION, 109, 99}}, "0 0"},
        {{{SDL_MOUSEMOTION, 108, 98}}, "-1 -1"},
        {{{SDL_MOUSEMOTION, 1499, 999}}, "694 449"},
        {{{SDL_KEYDOWN, SDLK_F4}}, "694 449, quit"},
        {{{SDL_KEYDOWN, SDLK_F4, KMOD_LALT | KMOD_RCTRL | KMOD_LSHIFT}}, "694 449, quit"},
        {{{SDL_QUIT}}, "694 449, quit"},
    };
    InputState input = {};
    for (const auto& [events, expected] : polls) {
        int32_t running = 1;
        Push(events);
        poll_input(&input, &running);
        std::string record = std::to_string(input.mouse_x) + " " + std::to_string(input.mouse_y);
        if (input.left_down || input.left_clicked)
            record += input.left_down ? ", left down" : ", left";
        if (input.right_down || input.right_clicked)
            record += input.right_down ? ", right down" : ", right";
        if (input.left_clicked || input.right_clicked)
            record += " clicked";
        EXPECT_EQ(record + (running ? "" : ", quit"), expected);
    }
}

TEST_F(Shell, TheWindowShowsThePictureAtTheLargestWholeScaleCentredOnTeal) {
    for (uint32_t i = 0; i < picture.size(); ++i)
        picture[i] = 0xFF000000u | (i * 2654435761u >> 8);
    const std::pair<Event, std::string> sizes[] = {
        {{0, 1920, 1080}, "1920 x 1080, 2 times from 320 140"},
        {{0, 1000, 1000}, "1000 x 1000, 1 times from 180 300"},
        {{0, 641, 401}, "641 x 401, 1 times from 0 0"},
        {{0, 500, 300}, "640 x 400, 1 times from 0 0"},
        {{0, 2600, 1601}, "2600 x 1601, 4 times from 20 0"},
        {{0, 3205, 2003}, "3205 x 2003, 5 times from 2 1"},
    };
    for (const auto& [size, expected] : sizes) {
        on_resize(size.a, size.b);
        present_frame(picture.data());
        const int32_t x0 = g_offset_x;
        const int32_t y0 = g_offset_y;
        EXPECT_EQ(std::to_string(g_screen->w) + " x " + std::to_string(g_screen->h) + ", " +
                      std::to_string(g_scale) + " times from " + std::to_string(x0) + " " +
                      std::to_string(y0),
                  expected);
        int64_t wrong = 0;  // pixels neither the picture's enlarged nor teal around it
        const uint32_t* pixels = static_cast<uint32_t*>(g_screen->pixels);
        for (int32_t y = 0; y < g_screen->h; ++y) {
            const uint32_t* row = pixels + y * g_screen->pitch / 4;
            for (int32_t x = 0; x < g_screen->w; ++x) {
                const int32_t px = (x - x0) / g_scale;
                const int32_t py = (y - y0) / g_scale;
                const bool inside = x >= x0 && y >= y0 && px < PICTURE_W && py < PICTURE_H;
                wrong += row[x] != (inside ? picture[py * PICTURE_W + px] : g_palette[COLOR_TEAL]);
            }
        }
        EXPECT_EQ(wrong, 0) << expected;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "RESIZE: 1920, 1080\nRESIZE: 1000, 1000\nRESIZE: 641, 401\nRESIZE: 500, 300\n"
              "RESIZE: 2600, 1601\nRESIZE: 3205, 2003\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    on_resize(16384, 400);  // SDL 1.2's 16-bit pitch cannot say how long its rows are
    EXPECT_FALSE(open_window(1 << 30, 400));
    EXPECT_EQ(testing::internal::GetCapturedStderr().substr(0, 115),
              "Could not resize the window to 16384 x 400: 16384 pixels is wider than SDL can "
              "describe\nCould not open the window: ");
}

TEST_F(Shell, APictureIsSentOnlyWhenItChangedOrTheWindowLostIt) {
    OutputState output = {picture.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);
    ascii_clear(ctx);
    const std::vector<Event> iterations[] = {
        {}, {}, {{SDL_VIDEOEXPOSE}}, {{SDL_VIDEORESIZE, 1280, 800}}, {},  // resized to its size
    };
    for (const std::vector<Event>& events : iterations) {
        Push(events);
        loop_iteration(&loop, [](InputState*, OutputState* frame) { frame->present = 1; });
    }
    EXPECT_EQ(s_flips, 3) << "the first picture, then when uncovered and when resized";
    ascii_put_char(ctx, 'x');
    present_frame(picture.data());
    EXPECT_EQ(s_flips, 4) << "a cell changed";
    g_screen = nullptr;  // a window lost: presenting must leave it alone
    ascii_put_char(ctx, 'y');
    present_frame(picture.data());
    EXPECT_EQ(s_flips, 4);
    ascii_destroy(&ctx);
}

TEST_F(Shell, AFrameNotShownRunsUntilTheInputStaysStillAndEveryRunLastsASixtiethOfASecond) {
    Push({{SDL_MOUSEMOTION, 5, 5}});
    int32_t runs = 0;
    for (int32_t i = 1; i <= 62; ++i) {
        const double start = timer_seconds();
        if (Iterate()) {
            runs += 1;
            EXPECT_GE(timer_seconds() - start, FRAME_TIME) << i;
        }
    }
    EXPECT_EQ(runs, 60) << "the iteration of the motion and 59 after it";
    const std::pair<std::vector<Event>, bool> wakes[] = {
        {{{SDL_MOUSEMOTION, 300, 300}}, true},
        {{{SDL_MOUSEMOTION, 301, 301}}, false},  // within the same picture pixel
        {{{SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 301}}, true},
        {{}, true},  // the poll after a click
        {{}, false},
        {{{SDL_KEYDOWN, SDLK_a}}, false},
        {{{SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 301}}, true},
    };
    for (int32_t i = 0; i < 7; ++i) {
        loop.idle_frames = IDLE_FRAME_LIMIT;
        Push(wakes[i].first);
        EXPECT_EQ(Iterate(), wakes[i].second) << "poll " << i;
    }
    loop.idle_frames = IDLE_FRAME_LIMIT;
    Push({{SDL_VIDEORESIZE, 1280, 800}});
    EXPECT_FALSE(Iterate()) << "a resize is shown in an iteration of its own";
    EXPECT_TRUE(Iterate()) << "which wakes the frame";
}

TEST_F(Shell, AQuitEndsTheLoopOnceItsIterationIsOver) {
    run_main_loop(&loop, [](InputState*, OutputState*) {
        s_sleeps = 0;
        if (++s_frames == 3)
            Push({{SDL_KEYDOWN, SDLK_F4}});
    });
    EXPECT_EQ(s_frames, 3 + 1);
    EXPECT_EQ(s_sleeps, 1) << "the last iteration paced too";
}

TEST_F(Shell, WithoutTheCountersFrequencyTheClockCountsSdlTicks) {
    timer_init_with_frequency(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QueryPerformanceFrequency failed\n");
    testing::internal::CaptureStdout();
    EXPECT_LT(timer_seconds(), 0.0015);
    __real_SDL_Delay(30);
    EXPECT_GE(timer_seconds(), 0.029);
    EXPECT_LT(timer_seconds(), 1.0);
}
