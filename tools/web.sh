#!/usr/bin/env bash
# Builds the game for web browsers with Debian's Emscripten in a tree of its own, build-web/:
# index.html, brambledeck.js and brambledeck.wasm there are the whole game, for any static web
# server. With --serve it then serves build-web/ on 127.0.0.1 and prints the address to open,
# until Ctrl+C.
#   bash tools/web.sh [--serve]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh cmake make libstb-dev emscripten python3
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)"
[[ ${1:-} == --serve ]] || exit 0
port=8000
echo "play in your browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
exec python3 -m http.server --bind 127.0.0.1 --directory build-web "$port"
