// The platform layer, where it runs: the environment SDL reads gets the game's defaults without
// losing a user's own choice.
#include <gtest/gtest.h>

#include "main/platform.h"

TEST(Platform, AnEnvironmentDefaultKeepsTheUsersOwnChoice) {
    static char users_choice[] = "SDL_RENDER_DRIVER=opengl";
    putenv(users_choice);
    platform_set_default_env("SDL_RENDER_DRIVER", "software");
    platform_set_default_env("SDL12COMPAT_SCALE_METHOD", "nearest");
    EXPECT_STREQ(getenv("SDL_RENDER_DRIVER"), "opengl");
    EXPECT_STREQ(getenv("SDL12COMPAT_SCALE_METHOD"), "nearest");
}
