#!/bin/sh
# Builds Quorvel and runs it under Wine in a 1024 x 768 virtual desktop with
# Wine's taskbar. Without a display it starts Xvfb, lets Quorvel start, saves a
# screenshot and says where it is.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
build=$root/build
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target win32_product -j2 >/dev/null
app=$build/win32-product/Quorvel
. "$root/tools/wine-env.sh"
had_display=yes
{ [ -n "$DISPLAY" ] && xdpyinfo >/dev/null 2>&1; } || had_display=
qv_display
qv_prefix "$build/wine-run"
qv_version winxp
qv_desktop shell
cd "$app"
if [ -n "$had_display" ]; then
    echo "Quorvel is running in the Wine desktop window; close it with Exit or end this command."
    exec wine Quorvel.exe
fi
wine Quorvel.exe &
sleep 6
mkdir -p "$build/screenshots"
shot=$build/screenshots/run.png
import -window root "$shot"
wineserver -k 2>/dev/null || true
qv_stop_display
echo "Quorvel started under Wine on a virtual display; screenshot: $shot"
