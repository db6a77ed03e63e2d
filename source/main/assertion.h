// The program's one way of failing: a violated precondition prints the expression, the source
// file and the line to standard output, then ends the process abnormally. Nothing is recovered.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void assertion_failed(const char* expression, const char* file, int line)
{
    printf("Assert failed: (%s) in %s at line %d\n", expression, file, line);
    fflush(stdout);
    abort();
}

#define ASSERT(expression) \
    ((expression) ? (void)0 : assertion_failed(#expression, __FILE__, __LINE__))
