#!/bin/sh
# The pictures, resource lines and skins in the tree are what drawart and
# drawskins draw from the program's button table today: a button added to
# the table without running them fails here, not as a missing picture at
# run time.
# Usage: art-current.sh <work dir> <drawart> <drawskins>
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
rm -rf "$1"
mkdir -p "$1/res" "$1/skins"
"$2" "$1/res"
"$3" "$1/skins"
for f in "$1"/res/*; do
    cmp "$f" "$root/res/${f##*/}"
done
diff -r "$1/skins" "$root/skins"
