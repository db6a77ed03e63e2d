#!/usr/bin/env bash
# The game's Debian package, checked the way Debian checks one, then played: tools/package.sh
# builds it, its menu entry and software-centre metadata pass their validators, lintian finds no
# error, every icon has its size, and the program unpacked from it shows its first picture in a
# private X server and quits on F4 with status 0.
# Arguments: the screenshot reader (as for the end-to-end tests) and a scratch folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reader=$1
unpacked=$2
id=org.brambledeck.BrambledeckField

deb=$root/$(bash "$root/tools/package.sh" | tail -n 1)
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml"
lintian --fail-on error "$deb"
for size in 16 32 48 64 128 256; do
    file "$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        { echo "FAIL: no ${size}x$size icon" >&2; exit 1; }
done

source "$root/tests/e2e/lib.sh" "$unpacked/usr/games/brambledeck" "$reader"
e2e_start_xvfb
e2e_start_game
e2e_wait_window
e2e_wait_row 0 31 43 "< New Game >"
e2e_key F4
e2e_wait_exit
e2e_expect_eq "$E2E_GAME_STATUS" 0 "exit status after F4"
echo "package test passed"
