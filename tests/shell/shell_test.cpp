// The application shell on SDL's dummy video driver: events pushed into SDL's own queue reach
// poll_input as real ones do; the window surface is read back after presentation; the real main
// loop runs with a frame of the tests' own, and a wrapped SDL_Delay shows how it paces.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ascii/ascii.h"
#include "main/clock.h"
#include "main/input.h"
#include "main/loop.h"
#include "main/window.h"

extern "C" void __real_SDL_Delay(Uint32 milliseconds);
extern "C" int __real_SDL_Flip(SDL_Surface* screen);

static std::vector<Uint32> s_delays;  // every SDL_Delay the shell asked for
static int32_t s_flips, s_frames;     // calls of SDL_Flip, and of the tests' frame, which fills the picture with its number
static bool s_present;                // whether the frame asks to be shown

extern "C" void __wrap_SDL_Delay(Uint32 milliseconds) { s_delays.push_back(milliseconds), __real_SDL_Delay(milliseconds); }
extern "C" int __wrap_SDL_Flip(SDL_Surface* screen) { return ++s_flips, __real_SDL_Flip(screen); }

static void TestFrame(InputState*, OutputState* output) {
    std::fill_n(output->frame_buffer, PICTURE_W * PICTURE_H, 0xFF000000u + ++s_frames);
    output->present = s_present;
}

// Events as their type and two numbers: a position, a button, a key and its modifiers, a size.
static void Push(const std::vector<std::array<int32_t, 3>>& events) {
    for (const auto& [type, a, b] : events) {
        SDL_Event event = {};
        event.type = Uint8(type);
        if (type == SDL_MOUSEMOTION)
            event.motion.x = Uint16(a), event.motion.y = Uint16(b);
        else if (type == SDL_KEYDOWN || type == SDL_KEYUP)
            event.key.keysym.sym = SDLKey(a), event.key.keysym.mod = SDLMod(b);
        else if (type == SDL_VIDEORESIZE)
            event.resize.w = a, event.resize.h = b;
        else
            event.button.button = Uint8(a);  // the button, or nothing an event of its kind reads
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
    }
}

static uint32_t ScreenPixel(int32_t x, int32_t y) {
    return static_cast<const uint32_t*>(g_screen->pixels)[y * g_screen->pitch / 4 + x];
}

class Shell : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_TRUE(open_window(START_WINDOW_W, START_WINDOW_H));
        timer_init();
        loop_start(&loop, frame_buffer.data());
        s_delays.clear(), s_frames = 0, s_present = false;
        testing::internal::CaptureStdout();  // resizes report themselves, and so do failed checks
    }
    void TearDown() override {
        SDL_Quit();
        const std::string output = testing::internal::GetCapturedStdout();
        fputs(HasFailure() ? output.c_str() : "", stdout);
    }
    bool Iterate() {  // one iteration of the loop; whether it ran the frame
        const int32_t before = s_frames;
        return loop_iteration(&loop, TestFrame), s_frames > before;
    }

    std::vector<uint32_t> frame_buffer = std::vector<uint32_t>(size_t(PICTURE_W) * PICTURE_H);
    MainLoop loop;
};

using Fields = std::vector<int32_t>;

TEST_F(Shell, EventsBecomeTheInputRecordInPicturePixels) {
    const std::pair<std::vector<std::array<int32_t, 3>>, Fields> polls[] = {
        // The events of a poll, then mouse x, y; left down, clicked; right down, clicked.
        {{{SDL_MOUSEMOTION, 1279, 799}}, {639, 399, 0, 0, 0, 0}},
        {{{SDL_MOUSEBUTTONDOWN, 1}}, {0, 0, 1, 1, 0, 0}},  // a press where it happened: the top left
        {{{SDL_MOUSEBUTTONUP, 1}, {SDL_MOUSEBUTTONDOWN, 3}, {SDL_MOUSEBUTTONUP, 3}}, {0, 0, 0, 0, 0, 1}},
        // A resize maps the motion after it: scale 2 about a picture 110 and 100 pixels in.
        {{{SDL_VIDEORESIZE, 1500, 1000}, {SDL_MOUSEMOTION, 109, 99}}, {0, 0, 0, 0, 0, 0}},
        {{{SDL_MOUSEMOTION, 108, 98}}, {-1, -1, 0, 0, 0, 0}},
        {{{SDL_MOUSEMOTION, 1499, 999}}, {694, 449, 0, 0, 0, 0}},
        // F4 with any modifiers, or the window closed: the end of the loop.
        {{{SDL_KEYDOWN, SDLK_F4, KMOD_LALT | KMOD_RCTRL | KMOD_LSHIFT}}, {694, 449, 0, 0, 0, 0, 0}},
        {{{SDL_QUIT}}, {694, 449, 0, 0, 0, 0, 0}},
    };
    InputState input = {};
    for (const auto& [events, fields] : polls) {
        int32_t running = 1;
        Push(events);
        poll_input(&input, &running);
        Fields record = {input.mouse_x, input.mouse_y, input.left_down, input.left_clicked, input.right_down, input.right_clicked};
        EXPECT_EQ(fields.size() == 7 ? (record.push_back(running), record) : record, fields) << &fields - &polls[0].second;
    }
    Push({{SDL_QUIT}, {SDL_KEYDOWN, SDLK_F4}});
    poll_input(&input, nullptr);
}

TEST_F(Shell, TheWindowShowsThePictureAtTheLargestWholeScaleCentredOnTheMargin) {
    std::vector<uint32_t>& picture = frame_buffer;
    for (uint32_t i = 0; i < picture.size(); ++i)
        picture[i] = 0xFF000000u | (i * 2654435761u >> 8);
    const int32_t sizes[][5] = {{1920, 1080, 2, 320, 140}, {1000, 1000, 1, 180, 300}, {641, 401, 1, 0, 0}, {500, 300, 1, 0, 0},
                                {1920, 1200, 3, 0, 0},     {2600, 1601, 4, 20, 0},    {3205, 2003, 5, 2, 1}, {1280, 800, 2, 0, 0}};
    std::string reports;
    for (const auto& [width, height, scale, x0, y0] : sizes) {
        width == START_WINDOW_W ? (void)open_window(width, height) : on_resize(width, height);
        reports += width == START_WINDOW_W ? "" : "RESIZE: " + std::to_string(width) + ", " + std::to_string(height) + "\n";
        ASSERT_EQ(Fields({g_screen->w, g_screen->h, g_scale, g_offset_x, g_offset_y, g_redraw}),
                  Fields({std::max(width, 640), std::max(height, 400), scale, x0, y0, width != START_WINDOW_W}));
        present_frame(picture.data());
        int64_t wrong = 0;
        for (int32_t y = 0; y < g_screen->h; ++y)
            for (int32_t x = 0; x < g_screen->w; ++x) {
                const int32_t px = (x - x0) / scale, py = (y - y0) / scale;
                const bool inside = x >= x0 && y >= y0 && px < PICTURE_W && py < PICTURE_H;
                wrong += ScreenPixel(x, y) != (inside ? picture[size_t(py) * PICTURE_W + px] : 0xFF0083A6);
            }
        EXPECT_EQ(wrong, 0) << width << " x " << height;
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), reports) << "the size asked for, before it is raised";
    // A size SDL cannot make, and a window it cannot open, are reported.
    testing::internal::CaptureStderr();
    on_resize(16384, 400);  // SDL 1.2's 16-bit pitch cannot say how long its rows are
    EXPECT_FALSE(open_window(1 << 30, 400));
    EXPECT_EQ(testing::internal::GetCapturedStderr().substr(0, 115), "Could not resize the window to 16384 x 400: 16384 "
              "pixels is wider than SDL can describe\nCould not open the window: ");
    testing::internal::CaptureStdout();
}

TEST_F(Shell, AnUnchangedPictureIsSentAgainOnlyToAWindowThatLostIt) {
    OutputState output = {frame_buffer.data(), 0};
    AsciiCtx* ctx = ascii_create(&output);
    ascii_clear(ctx);
    for (const Uint8 event : {SDL_NOEVENT, SDL_VIDEOEXPOSE, SDL_VIDEORESIZE, SDL_NOEVENT})  // none: a cell changes
        for (const int32_t flips : {1, 0}) {  // shown; then not sent again, yet counted as a presentation
            if (flips)
                event ? Push({{event, 1280, 800}}) : ascii_put_char(ctx, 'x');
            s_flips = 0;
            loop_iteration(&loop, [](InputState*, OutputState* output) { output->present = 1; });
            EXPECT_EQ(s_flips * 100 + loop.idle_frames * 10 + loop.output.present, flips * 100) << int(event);
        }
    g_screen = nullptr;  // a window lost: presenting must leave it alone
    ascii_put_char(ctx, 'y');
    present_frame(frame_buffer.data());
    ascii_destroy(&ctx);
}

TEST_F(Shell, AFrameThatDoesNotAskToBeShownRunsUntilTheInputStaysStillAndIterationsArePaced) {
    int32_t runs = 0, last = 0;
    for (int32_t i = 1; i <= 62; ++i) {
        const double start = timer_seconds();
        const bool ran = Iterate();
        runs += ran, last = ran ? i : last;
        // Unless it overran, an iteration sleeps the whole milliseconds left of the frame time,
        // then, after a frame, yields until the time is up.
        ASSERT_GE(timer_seconds() - start, ran ? FRAME_TIME : 0.0);
        ASSERT_TRUE(s_delays.empty() || (s_delays[0] <= 16 && std::count(s_delays.begin() + 1, s_delays.end(), 0u) ==
                                                                   int64_t(s_delays.size()) - 1));
        ASSERT_TRUE(ran || s_delays.size() <= 1);
        s_delays.clear();
    }
    EXPECT_EQ(runs * 100 + last, 5959) << "iterations 1 to 59";
    for (const int32_t type : {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_KEYUP, SDL_MOUSEBUTTONUP}) {
        Push({{type, 3, 1}});
        EXPECT_TRUE(Iterate()) << type;
    }
    for (int32_t i = 0; i < 60 && Iterate(); ++i)  // until the input has stayed still long enough
        continue;
    // A resize, even to the same size, is presented in its own iteration and wakes the frame.
    Push({{SDL_VIDEORESIZE, 1280, 800}});
    EXPECT_FALSE(Iterate());
    EXPECT_EQ(ScreenPixel(5, 5) * 10 + g_redraw, (0xFF000000u + s_frames) * 10);
}

TEST_F(Shell, AQuitEndsTheLoopOnceItsIterationIsOverAndTheClockCanRunOnTicks) {
    s_present = true;
    run_main_loop(&loop, [](InputState* input, OutputState* output) {
        TestFrame(input, output);
        s_frames == 3 ? Push({{SDL_KEYDOWN, SDLK_F4}}) : s_delays.clear();
    });
    EXPECT_EQ(s_frames * 10 + s_delays.empty(), 40) << "four frames, the last paced too";
    // Without the counter's frequency, the clock counts SDL's ticks from the moment it starts.
    timer_init_with_frequency(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "QueryPerformanceFrequency failed\n");
    EXPECT_LT(timer_seconds(), 0.0015);
    __real_SDL_Delay(30);
    EXPECT_TRUE(timer_seconds() >= 0.029 && timer_seconds() < 1.0) << timer_seconds();
    testing::internal::CaptureStdout();
}
