#!/usr/bin/env bash
# The game's Debian package, checked as Debian checks one, then played: tools/package.sh builds
# it; its menu entry and software-centre metadata pass their validators, lintian finds no error,
# every icon has its size, and the program unpacked from it passes the end-to-end test.
#   package_test.sh SCREENSHOT_TEXT SCRATCH_FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd) unpacked=$2 id=org.brambledeck.BrambledeckField
deb=$root/$(bash "$root/tools/package.sh" | tail -n 1)
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml"
lintian --fail-on error "$deb"
for size in 16 32 48 64 128 256; do
    icon=$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size,"
done
bash "$root/tests/e2e/game_test.sh" "$1" "$unpacked/usr/games/brambledeck"
