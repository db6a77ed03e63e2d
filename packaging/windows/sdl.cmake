# SDL 1.2 for the Windows tree. Debian has no build of it for Windows, so its classic SDL 1.2.15
# is built from Debian's source package with mingw-w64 (fetch-sdl-source.sh), without DirectX,
# whose headers the source lacks, and without SDLmain's redirection of the program's output into
# files beside it, a folder that may not be writable. Nor with threads: the game has one thread
# and uses neither of the SDL parts that start others (sound played, timer callbacks), while
# threaded SDL guards its event queue with a Windows mutex, two system calls at every poll, which
# under Wine are two round trips to Wine's server. SDL.dll lands beside the programs.
include(ExternalProject)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(SDL_WORK_DIR ${CMAKE_BINARY_DIR}/sdl)
set(SDL_PREFIX ${SDL_WORK_DIR}/install)
set(SDL_CONFIGURE_OPTIONS --disable-static --disable-directx --disable-stdio-redirect
  --disable-threads)
ExternalProject_Add(sdl_build
  PREFIX ${SDL_WORK_DIR}
  SOURCE_DIR ${SDL_WORK_DIR}/source
  INSTALL_DIR ${SDL_PREFIX}
  DOWNLOAD_COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/fetch-sdl-source.sh ${SDL_WORK_DIR}
  CONFIGURE_COMMAND <SOURCE_DIR>/configure --quiet --host=${MINGW_TRIPLET} --prefix=<INSTALL_DIR>
    ${SDL_CONFIGURE_OPTIONS} CC=${CMAKE_C_COMPILER}
  BUILD_COMMAND $(MAKE)
  INSTALL_COMMAND $(MAKE) install-hdrs install-lib
    COMMAND ${CMAKE_COMMAND} -E copy <INSTALL_DIR>/bin/SDL.dll ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  BUILD_BYPRODUCTS ${SDL_PREFIX}/lib/libSDL.dll.a ${SDL_PREFIX}/lib/libSDLmain.a
    ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/SDL.dll
  # SDL's own build talks at length and warns of its own code: its logs are shown on a failure.
  LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON LOG_OUTPUT_ON_FAILURE ON)

# What SDL.h needs is in its own folder; its main is renamed SDL_main, which SDLmain's WinMain
# calls (see packaging/windows/CMakeLists.txt).
file(MAKE_DIRECTORY ${SDL_PREFIX}/include/SDL)
add_library(sdl SHARED IMPORTED)
set_target_properties(sdl PROPERTIES IMPORTED_IMPLIB ${SDL_PREFIX}/lib/libSDL.dll.a
  INTERFACE_INCLUDE_DIRECTORIES ${SDL_PREFIX}/include/SDL)
add_dependencies(sdl sdl_build)
add_library(sdl_main STATIC IMPORTED)
set_target_properties(sdl_main PROPERTIES IMPORTED_LOCATION ${SDL_PREFIX}/lib/libSDLmain.a
  INTERFACE_LINK_LIBRARIES sdl)
