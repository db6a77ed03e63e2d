// An arbitrary stream of window events pushed into SDL's queue under the dummy video driver, five
// bytes an event: the kind (bits 0-1: resize, motion, button down, button up; bit 2: no poll
// after it) and two signed 16-bit values: a size from -20,000 to 20,000 pixels each way, a
// position anywhere a 16-bit event field reaches, or a button. After every poll the picture must
// lie whole in the window, centred at the largest whole scale, and a motion polled last must map
// to picture pixels by that scale; at the end it is presented. A window of more than MAX_AREA pixels
// takes a tenth of a second to make and paint: one side may reach 20,000, the other is then cut.
#include <SDL.h>

#include <algorithm>

#include "main/input.h"
#include "main/window.h"

constexpr int64_t MAX_AREA = 4 << 20;
static const Uint8 KINDS[] = {SDL_VIDEORESIZE, SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP};

// SDL 2 keeps a few dozen bytes of every change of video mode beyond reach; they are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libSDL2"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool started = !setenv("SDL_VIDEODRIVER", "dummy", 1) && freopen("/dev/null", "w", stdout) && !SDL_Init(SDL_INIT_VIDEO);
    static uint32_t picture[PICTURE_W * PICTURE_H];
    if (!started || !open_window(START_WINDOW_W, START_WINDOW_H))
        abort();
    InputState input = {};
    for (size_t i = 0; i + 5 <= size; i += 5) {
        const int32_t a = int16_t(data[i + 1] | data[i + 2] << 8), b = int16_t(data[i + 3] | data[i + 4] << 8);
        SDL_Event event = {};
        if ((event.type = KINDS[data[i] & 3]) == SDL_VIDEORESIZE)  // the height cut to MAX_AREA over the width SDL is asked for
            event.resize.w = a % 20001, event.resize.h = int32_t(std::min<int64_t>(b % 20001, MAX_AREA / std::max(a % 20001, PICTURE_W)));
        else if (event.type == SDL_MOUSEMOTION)
            event.motion.x = Uint16(a), event.motion.y = Uint16(b);
        else
            event.button.button = Uint8(a);
        if (SDL_PushEvent(&event) != 0 || (data[i] & 4 && i + 10 <= size))
            continue;
        poll_input(&input, nullptr);
        const int32_t scale = g_scale, x = g_offset_x, y = g_offset_y, w = g_screen ? g_screen->w : 0, h = g_screen ? g_screen->h : 0;
        if (scale < 1 || x < 0 || y < 0 || x != (w - PICTURE_W * scale) / 2 || y != (h - PICTURE_H * scale) / 2 ||
            (w >= PICTURE_W * (scale + 1) && h >= PICTURE_H * (scale + 1)) || (event.type == SDL_MOUSEMOTION &&
            (input.mouse_x != (event.motion.x - x) / scale || input.mouse_y != (event.motion.y - y) / scale)))
            fprintf(stderr, "window %d x %d, scale %d at %d, %d; mouse %d, %d\n", w, h, scale, x, y, input.mouse_x, input.mouse_y), abort();
    }
    present_frame(picture);  // once an input: the copy costs more than the whole rest of a poll
    return 0;
}
