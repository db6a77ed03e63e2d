// The game screen, drawn once a frame.
#include "ascii/raster.h"
#include "game/game.h"

void RunFrame(InputState*, OutputState* output)
{
    for (int32_t i = 0; i < PICTURE_W * PICTURE_H; ++i)
        output->frame_buffer[i] = g_palette[3];
    output->present = 1;
}
