#!/usr/bin/env bash
# Installs the Debian packages that building, playing, testing and packaging need, for Linux,
# for browsers and for Windows (cross-built with mingw-w64, tested under Wine), or only the
# packages named as arguments. Quiet and quick when everything is already there; safe to run
# again and again.
#   bash tools/install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  libsdl1.2-compat-dev libstb-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-apps imagemagick faketime
  dpkg-dev file desktop-file-utils appstream lintian
  clang libclang-rt-14-dev valgrind
  emscripten python3 chromium
  g++-mingw-w64-x86-64-posix googletest wine64
)
(($# == 0)) || packages=("$@")

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  ((EUID == 0)) || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
