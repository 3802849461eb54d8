#!/bin/sh
# The README's pictures: each built-in skin with its panel open, and the main
# menu, on Wine's own taskbar, cut from the screenshots of the end-to-end run
# that checks them. Writes docs/screens/.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
build=$root/build
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 >/dev/null
"$root/tests/e2e/run.sh" "$build/e2e" "$build/win32-product/Quorvel" "$build/win32-driver/QuorvelE2E.exe" \
    winxp shell "WineShell.EachSkin*" >/dev/null
shots=$build/e2e/screenshots
out=$root/docs/screens
mkdir -p "$out"
# The screen is 1024 x 768; the button and the panel sit at its lower left.
for skin in xpdefault xpclassic xpbutton win98; do
    convert "$shots/WineShell.Skin.$skin.png" -crop 280x80+0+688 +repage -strip "$out/$skin.png"
done
convert "$shots/WineShell.Menu.png" -crop 240x240+0+528 +repage -strip "$out/menu.png"
ls -l "$out"
