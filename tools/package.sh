#!/usr/bin/env bash
# Builds the game's Debian package and prints its path last: build/<name>_<version>_<arch>.deb.
# It has a build tree of its own, build/deb, compiled with Debian's hardening flags and the /usr
# prefix; CPack strips the program as dh_strip would, and dpkg-shlibdeps works out the
# package's dependencies from it.
# Install the result with: apt install ./build/<name>_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

# All of Debian's hardening, immediate binding too: it costs the game nothing at start-up.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake has no place for CPPFLAGS, which carry the fortify define: they join the C++ flags.
# Build type None leaves the optimisation to Debian's flags, as Debian's own CMake builds do.
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
# Installing, as CPack does, would first build everything, tests and benchmarks too; the package
# needs only the targets built here.
cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxx_flags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build/deb -j2 --target brambledeck packaging_files

rm -f build/brambledeck_*.deb
(cd build/deb && cpack -G DEB -B "$PWD/.." >/dev/null)
ls build/brambledeck_*.deb
