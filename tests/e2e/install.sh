#!/bin/sh
# The packages as a user gets them: builds them with tools/package.sh, then the
# driver installs, starts and uninstalls Quorvel under Wine.
# Usage: install.sh <work dir> <product dir> <driver exe> winxp|win98
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
"$root/tools/package.sh" >/dev/null
export QV_SETUP="Z:$(echo "$root/build/dist/Quorvel-2.1-setup.exe" | tr / '\\')"
"$here/run.sh" "$1" "$2" "$3" "$4" plain "Installer.*"
