// What the shell hands to the game once a frame: the input record built from window events and
// the picture the game draws into. Plain data, so a test can drive a frame without a window.
#pragma once

#include <cstdint>

// The picture: 80 x 25 character cells of 8 x 16 pixels, one 32-bit 0xAARRGGBB value a pixel.
constexpr int32_t PICTURE_W = 640;
constexpr int32_t PICTURE_H = 400;

// Written only by poll_input. The mouse is in picture pixels and may lie outside the picture;
// the clicked flags say a button went down during this poll and last one poll.
struct InputState
{
    int32_t mouse_x;
    int32_t mouse_y;
    uint8_t left_down;
    uint8_t left_clicked;
    uint8_t right_down;
    uint8_t right_clicked;
};

struct OutputState
{
    uint32_t* frame_buffer;  // PICTURE_W x PICTURE_H pixels, row-major; owned by main
    uint8_t present;         // set by a frame that wants to be shown; main clears it
};
