// The window surface and how the picture is laid out in it. SDL may hand out a surface that
// must be locked before its pixels are touched, or one of another depth than asked for; the
// pixels are written only after both have been checked. Its masks tell the byte order of its
// pixels, into which the picture's pixels are brought on the way. A failed change of video mode
// leaves SDL without a window surface, so the previous size is asked for once more before giving
// up.
//
// Showing a picture costs SDL and the X server several copies of the whole enlarged picture,
// while a game waiting for its player draws the same picture sixty times a second. So the
// display's record of the picture last shown in the current surface is kept, and a picture whose
// record is the same, byte-identical then, is not sent again. Comparing the records reads 16 KB;
// comparing the pictures themselves read two cold megabytes, as much as the frame's own drawing,
// and came to a fifth of the game's time at rest (see bench/unchanged_frame_bench.cpp).
#include "main/window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "ascii/raster.h"
#include "main/frame_io.h"
#include "main/picture_copy.h"

// The margin around the picture has the colour the game screen clears to.
static const int32_t MARGIN_COLOR_INDEX = 3;
// The red mask of a surface whose pixels are the bytes R, G, B, A in memory (a browser's canvas).
static const uint32_t RED_IN_LOW_BYTE = 0x000000FF;

SDL_Surface* g_screen = nullptr;
int32_t g_scale = START_SCALE;
int32_t g_offset_x = 0;
int32_t g_offset_y = 0;
uint8_t g_redraw = 0;

// The record of the picture the current window surface shows, when s_shown_valid says that it
// shows one that the display recorded.
static PictureRecord s_shown;
static bool s_shown_valid = false;

// SDL 1.2 keeps the length of a surface's row in bytes in 16 bits: a window more than 16383
// pixels wide comes with a pitch cut short, whose rows would overlap and run past the pixels.
// That is a window SDL could not make.
static SDL_Surface* set_video_mode(int32_t width, int32_t height)
{
    SDL_Surface* surface = SDL_SetVideoMode(width, height, WINDOW_BITS_PER_PIXEL, SDL_RESIZABLE);
    if (surface && surface->pitch < int64_t(surface->w) * surface->format->BytesPerPixel)
    {
        SDL_SetError("%d pixels is wider than SDL can describe", surface->w);
        return nullptr;
    }
    return surface;
}

// The surface's pixels, locked where SDL asks for it, or null when they are not ours to write.
static uint32_t* begin_pixel_access(SDL_Surface* surface)
{
    if (!surface || surface->format->BitsPerPixel != WINDOW_BITS_PER_PIXEL)
        return nullptr;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) < 0)
        return nullptr;
    if (!surface->pixels)
    {
        if (SDL_MUSTLOCK(surface))
            SDL_UnlockSurface(surface);
        return nullptr;
    }
    return static_cast<uint32_t*>(surface->pixels);
}

static void end_pixel_access(SDL_Surface* surface)
{
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
}

static PixelOrder pixel_order(const SDL_Surface* surface)
{
    return surface->format->Rmask == RED_IN_LOW_BYTE ? PixelOrder::ABGR : PixelOrder::ARGB;
}

static void fill_surface(SDL_Surface* surface, uint32_t value)
{
    uint32_t* pixels = begin_pixel_access(surface);
    if (!pixels)
        return;
    uint8_t* row = reinterpret_cast<uint8_t*>(pixels);
    for (int32_t y = 0; y < surface->h; ++y, row += surface->pitch)
        std::fill_n(reinterpret_cast<uint32_t*>(row), surface->w, value);
    end_pixel_access(surface);
}

static bool picture_fits(const SDL_Surface* surface)
{
    return g_scale >= 1 && g_offset_x >= 0 && g_offset_y >= 0 &&
           g_offset_x + PICTURE_W * g_scale <= surface->w &&
           g_offset_y + PICTURE_H * g_scale <= surface->h;
}

bool open_window(int32_t width, int32_t height)
{
    g_scale = START_SCALE;
    g_offset_x = 0;
    g_offset_y = 0;
    g_redraw = 0;
    s_shown_valid = false;
    g_screen = set_video_mode(width, height);
    if (!g_screen)
    {
        fprintf(stderr, "Could not open the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_WM_SetCaption(WINDOW_TITLE, nullptr);
    return true;
}

void on_resize(int32_t width, int32_t height)
{
    printf("RESIZE: %d, %d\n", width, height);
    width = std::max(width, PICTURE_W);
    height = std::max(height, PICTURE_H);
    s_shown_valid = false;

    // SDL frees the old surface even when the new mode fails, so its size is kept beforehand.
    const bool had_screen = g_screen != nullptr;
    const int32_t previous_w = had_screen ? g_screen->w : 0;
    const int32_t previous_h = had_screen ? g_screen->h : 0;
    g_screen = set_video_mode(width, height);
    if (!g_screen)
    {
        fprintf(stderr, "Could not resize the window to %d x %d: %s\n", width, height,
                SDL_GetError());
        if (had_screen)
            g_screen = set_video_mode(previous_w, previous_h);
        if (!g_screen)
        {
            fprintf(stderr, "Could not reopen the window: %s\n", SDL_GetError());
            return;
        }
    }

    fill_surface(g_screen, pixel_in_order(g_palette[MARGIN_COLOR_INDEX], pixel_order(g_screen)));
    // Whole-number division gives the largest factor that fits in both directions. A surface
    // smaller than asked for still gets scale 1, as the mouse mapping divides by it.
    g_scale = std::max(1, std::min(g_screen->w / PICTURE_W, g_screen->h / PICTURE_H));
    g_offset_x = (g_screen->w - PICTURE_W * g_scale) / 2;
    g_offset_y = (g_screen->h - PICTURE_H * g_scale) / 2;
    g_redraw = 1;
}

void on_expose()
{
    s_shown_valid = false;
    g_redraw = 1;
}

void present_frame(const uint32_t* frame_buffer)
{
    const PictureRecord& drawn = g_picture_record;
    if (s_shown_valid && drawn.pixels == frame_buffer && ascii_same_picture(drawn, s_shown))
        return;
    if (!g_screen || !picture_fits(g_screen))
        return;
    uint32_t* pixels = begin_pixel_access(g_screen);
    if (!pixels)
        return;
    copy_picture_scaled(pixels, g_screen->pitch, g_scale, g_offset_x, g_offset_y, frame_buffer,
                        pixel_order(g_screen));
    end_pixel_access(g_screen);
    SDL_Flip(g_screen);
    s_shown = drawn;
    s_shown_valid = drawn.pixels == frame_buffer;
}
