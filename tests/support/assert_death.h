// Death tests for the program's assertions. The assertion message goes to standard output,
// which GoogleTest does not watch, so the dying statement first sends standard output to
// standard error; the message must then hold the exact expression text.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#define EXPECT_ASSERT_DEATH(statement, expression_text)                                    \
    EXPECT_DEATH(                                                                          \
        {                                                                                  \
            fflush(stdout);                                                                \
            dup2(fileno(stderr), fileno(stdout));                                          \
            statement;                                                                     \
        },                                                                                 \
        ::testing::HasSubstr(std::string("Assert failed: (") + (expression_text) + ") in "))
