#!/bin/sh
# The same sources give the same bytes: the packages are made twice, each in a
# fresh copy of the tree at a path of its own, and the exe, the zip and the
# installer of the two are compared byte for byte.
# Usage: reproducible.sh <work dir>
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
work=$1
fail() { echo "reproducible: $*" >&2; exit 1; }
# The linker would take its time stamp from here too and so hide one that
# varies: the builds run as a user's would, some seconds apart.
unset SOURCE_DATE_EPOCH
rm -rf "$work"
for tree in one "second tree/deeper"; do
    mkdir -p "$work/$tree"
    # The tracked files as they are now: what a clean clone would hold.
    (cd "$root" && git ls-files -z | xargs -0 tar -cf -) | tar -xf - -C "$work/$tree"
    "$work/$tree/tools/package.sh" > "$work/$tree.log" 2>&1 || {
        cat "$work/$tree.log" >&2
        fail "packaging in $work/$tree failed"
    }
done
a=$work/one/build b="$work/second tree/deeper/build"
for f in win32-product/Quorvel/Quorvel.exe dist/Quorvel-*.zip dist/Quorvel-*-setup.exe; do
    set -- $a/$f
    [ -f "$1" ] || fail "no $f"
    name=${1#$a/}
    cmp "$1" "$b/$name" || fail "$name differs between the two builds"
    echo "reproducible: $name  $(wc -c < "$1") bytes, the same in both builds"
done
rm -rf "$work"
