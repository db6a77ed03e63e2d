#!/usr/bin/env bash
# Builds the game for 64-bit Windows and prints the path of its zip last:
# build-windows/brambledeck-<version>-windows-x86_64.zip. The Windows tree, build-windows, is
# cross-built with mingw-w64 from the tree that tools/test.sh builds (build), whose make_icons
# draws the program's icon; SDL 1.2 is built in it from Debian's source (packaging/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
# What the Linux tree's configuration and make_icons need, and the cross compilers.
bash tools/install-deps.sh cmake make g++ pkg-config libsdl1.2-compat-dev libstb-dev libgtest-dev \
    libbenchmark-dev imagemagick dpkg-dev g++-mingw-w64-x86-64-posix googletest
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
rm -f build-windows/brambledeck-*-windows-x86_64.zip
# The zip needs neither the unit tests nor the rest of the Linux tree.
cmake --build build -j"$(nproc)" --target windows-configure
cmake --build build-windows -j"$(nproc)" --target windows_zip
ls build-windows/brambledeck-*-windows-x86_64.zip
