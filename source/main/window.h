// The window the picture is shown in: SDL's window surface, the whole-number scale and the
// offsets that centre the enlarged picture in it, opening and resizing the window, and
// presenting the frame buffer. Turning window events into calls of on_resize and on_expose is
// input's job; deciding when to present is the main loop's.
#pragma once

#include <cstdint>

struct SDL_Surface;

constexpr int32_t START_WINDOW_W = 1280;
constexpr int32_t START_WINDOW_H = 800;
constexpr int32_t START_SCALE = 2;
constexpr int32_t WINDOW_BITS_PER_PIXEL = 32;
constexpr const char* WINDOW_TITLE = "Brambledeck Field";

extern SDL_Surface* g_screen;  // null only after the window was lost
extern int32_t g_scale;        // window pixels across and down per picture pixel, at least 1
extern int32_t g_offset_x;     // window position of the picture's top-left pixel
extern int32_t g_offset_y;
extern uint8_t g_redraw;       // the window was repainted or uncovered and needs the picture again

// Opens the resizable window and gives the window state its start values. On failure SDL's
// error goes to standard error, g_screen stays null and the result is false.
bool open_window(int32_t width, int32_t height);

// Takes the window to the size the user asked for (at least the picture's), paints it in the
// margin colour and centres the picture at the largest whole scale that fits. When SDL cannot
// make that size, the previous size is opened again; when that fails too, g_screen becomes null
// and the program has to end.
void on_resize(int32_t width, int32_t height);

// The window lost what it showed, as when it is uncovered: it needs the picture again, even an
// unchanged one.
void on_expose();

// Copies the frame buffer into the window at the current scale and offsets and shows it, unless
// the window already shows this very picture: the same bytes presented into the same surface,
// with no resize or expose since. Does nothing without a usable surface either: none at all,
// one whose pixels are not 32 bits, one SDL will not lock, or one the enlarged picture does not
// fit in.
void present_frame(const uint32_t* frame_buffer);
