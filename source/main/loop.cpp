// The main loop's iteration: its step and its pacing. A frame that does not ask to be presented
// and sees no change of input stops being run after IDLE_FRAME_LIMIT - 1 idle iterations, which
// lets a still picture cost almost nothing. Pacing sleeps whole milliseconds and then, only after
// an iteration that ran the frame, yields until the full frame time is over; an idle iteration
// settles for the coarse sleep. Time lost to an overrun is not made up. A browser, which must get
// control back between steps, runs the step alone and does the pacing itself.
#include "main/loop.h"

#include <SDL.h>

#include "main/clock.h"
#include "main/input.h"
#include "main/window.h"

constexpr double MILLISECONDS_PER_SECOND = 1000.0;

static bool same_input(const InputState& a, const InputState& b)
{
    return a.mouse_x == b.mouse_x && a.mouse_y == b.mouse_y && a.left_down == b.left_down &&
           a.left_clicked == b.left_clicked && a.right_down == b.right_down &&
           a.right_clicked == b.right_clicked;
}

static void pace(double iteration_start, bool frame_ran)
{
    const double elapsed = timer_seconds() - iteration_start;
    if (elapsed >= FRAME_TIME)
        return;
    SDL_Delay(Uint32((FRAME_TIME - elapsed) * MILLISECONDS_PER_SECOND));
    if (!frame_ran)
        return;
    while (timer_seconds() - iteration_start < FRAME_TIME)
        SDL_Delay(0);
}

void loop_start(MainLoop* loop, uint32_t* frame_buffer)
{
    *loop = MainLoop{};
    loop->output.frame_buffer = frame_buffer;
    loop->running = 1;
}

bool loop_step(MainLoop* loop, FrameFunction frame)
{
    ++loop->idle_frames;
    bool frame_ran = false;

    poll_input(&loop->input, &loop->running);
    if (!same_input(loop->input, loop->previous_input))
        loop->idle_frames = 0;
    loop->previous_input = loop->input;

    if (loop->idle_frames < IDLE_FRAME_LIMIT)
    {
        frame_ran = true;
        frame(&loop->input, &loop->output);
    }

    if (g_redraw || loop->output.present)
    {
        g_redraw = 0;
        loop->output.present = 0;
        // present_frame sends the window only a picture it does not show yet; either way this
        // counts as a presentation, so that the frame keeps running as long as it asks to be shown.
        present_frame(loop->output.frame_buffer);
        loop->idle_frames = 0;
    }
    return frame_ran;
}

void loop_iteration(MainLoop* loop, FrameFunction frame)
{
    const double iteration_start = timer_seconds();
    pace(iteration_start, loop_step(loop, frame));
}

void run_main_loop(MainLoop* loop, FrameFunction frame)
{
    do
        loop_iteration(loop, frame);
    while (loop->running);
}
