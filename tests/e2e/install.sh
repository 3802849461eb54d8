#!/bin/sh
# The packages as a user gets them: builds them with tools/package.sh, then the
# driver installs, starts and uninstalls Quorvel under Wine.
# Usage: install.sh <work dir> <product dir> <driver exe> winxp|win98 <gtest filter>
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
"$root/tools/package.sh" >/dev/null
# The zip: the program, the skin checker, the short readme and the four skins
# of 12 files each, in a Quorvel\ folder.
zipped=$(unzip -Z1 "$root/build/dist/Quorvel-2.1.zip")
for f in Quorvel/Quorvel.exe Quorvel/skincheck.exe Quorvel/ReadMe.txt Quorvel/Skins/xpdefault/xpdef.qvs; do
    echo "$zipped" | grep -qx "$f" || { echo "install: the zip lacks $f" >&2; exit 1; }
done
[ "$(echo "$zipped" | wc -l)" -eq 51 ] || { echo "install: the zip holds other files:" $zipped >&2; exit 1; }
export QV_SETUP="Z:$(echo "$root/build/dist/Quorvel-2.1-setup.exe" | tr / '\\')"
"$here/run.sh" "$1" "$2" "$3" "$4" plain "$5"
