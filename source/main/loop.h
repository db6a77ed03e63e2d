// The paced main loop: each iteration polls the input, lets a frame function draw, presents the
// picture when the frame asked for it or the window was repainted, and waits out the rest of
// 1/60 second. The frame function is a parameter, so that a test can run the very same loop
// with a frame of its own.
#pragma once

#include <cstdint>

#include "main/frame_io.h"

constexpr double FRAME_TIME = 1.0 / 60.0;   // seconds an iteration lasts at least
constexpr int32_t IDLE_FRAME_LIMIT = 60;    // the frame runs only while idle_frames is below

using FrameFunction = void (*)(InputState* input, OutputState* output);

struct MainLoop
{
    InputState input;
    InputState previous_input;  // the input record after the previous iteration's poll
    OutputState output;
    int32_t running;            // cleared by a quit request; tested at the end of an iteration
    int32_t idle_frames;        // iterations since the input last changed or a presentation
};

// Zeroes the input records and the idle count, sets running and hands the frame buffer
// (PICTURE_W x PICTURE_H pixels, owned by the caller) to the output record.
void loop_start(MainLoop* loop, uint32_t* frame_buffer);

// The work of one iteration without its pacing: poll, frame (unless idle), presentation.
// Returns whether the frame ran.
bool loop_step(MainLoop* loop, FrameFunction frame);

// One iteration: the step, then the pacing.
void loop_iteration(MainLoop* loop, FrameFunction frame);

// Iterations until running is cleared; the iteration that clears it is finished first.
void run_main_loop(MainLoop* loop, FrameFunction frame);
