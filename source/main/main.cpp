// The program's entry: starts the clocks, relaxes the timers, picks SDL's presentation path,
// starts SDL and the window, reports how long that took, owns the frame buffer and runs the main
// loop with the game's frame until the player quits. The game itself is created by its first
// frame; everything it allocates lives until the process ends. In a browser the loop's steps are
// handed to the browser, which runs them until the page goes away.
#include <SDL.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/game.h"
#include "main/clock.h"
#include "main/loop.h"
#include "main/platform.h"
#include "main/window.h"

constexpr int EXIT_SDL_FAILED = -1;
constexpr int EXIT_WINDOW_FAILED = EXIT_FAILURE;
constexpr double MILLISECONDS_PER_SECOND = 1000.0;

// With no display to reach, SDL 2 falls back to a video driver that shows nothing, and the game
// would run on where no one can see it. A driver the user names (dummy, for the tests) is kept.
static bool no_display_found()
{
    const char* named = getenv("SDL_VIDEODRIVER");
    char driver[32] = "";
    if ((named && *named) || !SDL_VideoDriverName(driver, sizeof(driver)))
        return false;
    return strcmp(driver, "offscreen") == 0 || strcmp(driver, "dummy") == 0;
}

// SDL started with a display to show the window on; otherwise the reason, SDL's own or ours.
static const char* start_sdl()
{
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0)
        return SDL_GetError();
    if (!no_display_found())
        return nullptr;
    SDL_Quit();
    return "no display found";
}

// After the last iteration: SDL shut down, the goodbye, and the exit status.
static int shut_down()
{
    const bool window_lost = g_screen == nullptr;
    SDL_Quit();
    printf("Quiting....\n");
    return window_lost ? EXIT_WINDOW_FAILED : 0;
}

#ifdef __EMSCRIPTEN__
constexpr int STEPS_PER_SECOND = 60;

// A browser shows the page and hands out its events only while the program is not running, so
// the loop cannot keep control and wait out each frame as on the desktop: the browser calls one
// step of it whenever 1/60 second is due. The step that polls a quit request (the page going
// away) is the last.
static void browser_step(void* loop_pointer)
{
    MainLoop* loop = static_cast<MainLoop*>(loop_pointer);
    loop_step(loop, RunFrame);
    if (loop->running)
        return;
    emscripten_cancel_main_loop();
    shut_down();
}
#endif

int main(int, char*[])
{
    // The diagnostics are single lines; they must show up at once even through a pipe.
    platform_start_console();
    timer_init();
    platform_relax_timers();
    // When the window and its surface briefly differ in size, sdl12-compat scales the surface;
    // the game's pixels should stay sharp then. A user's own choice is kept.
    platform_set_default_env("SDL12COMPAT_SCALE_METHOD", "nearest");
    // The picture reaches the window through SDL2, whose default renderer, OpenGL, runs on a
    // software rasteriser where there is no GPU. Measured in Xvfb, its software renderer drawing
    // straight into the window's framebuffer needs a fifth of the memory and a fraction of the
    // start-up time and of each flip (figures in README). A user's own choice is kept.
    platform_set_default_env("SDL_RENDER_DRIVER", "software");
    platform_set_default_env("SDL_FRAMEBUFFER_ACCELERATION", "0");

    const double t0 = timer_seconds();
    if (const char* failure = start_sdl())
    {
        printf("Could not initialize SDL: %s.\n", failure);
        return EXIT_SDL_FAILED;
    }
    const double t1 = timer_seconds();
    const bool window_opened = open_window(START_WINDOW_W, START_WINDOW_H);
    const double t2 = timer_seconds();
    if (!window_opened)
    {
        SDL_Quit();
        return EXIT_WINDOW_FAILED;
    }
    printf("Init took: %fms\n", double(float((t1 - t0) * MILLISECONDS_PER_SECOND)));
    printf("Graphics took: %fms\n", double(float((t2 - t1) * MILLISECONDS_PER_SECOND)));

    uint32_t* frame_buffer =
        static_cast<uint32_t*>(calloc(size_t(PICTURE_W) * PICTURE_H, sizeof(uint32_t)));
    MainLoop loop;
    loop_start(&loop, frame_buffer);
#ifdef __EMSCRIPTEN__
    // Leaves main at once without unwinding it, so the loop record stays valid for the steps.
    emscripten_set_main_loop_arg(browser_step, &loop, STEPS_PER_SECOND, true);
#else
    run_main_loop(&loop, RunFrame);
    return shut_down();
#endif
}
