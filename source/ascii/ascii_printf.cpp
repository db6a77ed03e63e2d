// Formatted output onto a display context: the text is formatted by stb_sprintf into the
// context's own print_buffer, so nothing is allocated, and then written like any other UTF-8
// text. This file also carries stb_sprintf's implementation for the whole program.
#include "ascii/ascii.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_SPRINTF_IMPLEMENTATION
// Byte copies: its word stores to odd addresses are undefined behaviour.
#define STB_SPRINTF_NOUNALIGNED
#include <stb/stb_sprintf.h>
#pragma GCC diagnostic pop

#include "main/assertion.h"

void ascii_vprintf(AsciiCtx* ctx, const char* format, va_list args)
{
    ASSERT(ctx);
    // The formatter answers with the length the whole text would have had; only what fitted
    // was stored, so longer output is cut to the buffer.
    int32_t n = stbsp_vsnprintf(ctx->print_buffer, int(sizeof(ctx->print_buffer)), format, args);
    if (n > PRINT_BUFFER_CAPACITY)
        n = PRINT_BUFFER_CAPACITY;
    ctx->print_buffer[n] = 0;
    if (n > 0)
        ascii_write(ctx, ctx->print_buffer, ctx->print_buffer + n);
}

void ascii_printf(AsciiCtx* ctx, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    ascii_vprintf(ctx, format, args);
    va_end(args);
}

void print(const char* format, ...)
{
    AsciiCtx* ctx = ascii_get_ctx();
    va_list args;
    va_start(args, format);
    ascii_vprintf(ctx, format, args);
    va_end(args);
}
