#!/bin/sh
# Quorvel on a full drive and on a read-only one: two small file systems
# mounted here, each holding a copy of the program with its files, seen by
# Wine through its Z: drive (DrivesTest.cpp drives it). Mounting needs root;
# where the machine refuses it the run is skipped (exit code 77).
# Usage: drives.sh <work dir> <product dir> <driver exe> winxp|win98 <gtest filter>
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
work=$(cd "$1" && pwd)
product=$2 driver=$3 version=$4 filter=$5
full=$work/drives/full ro=$work/drives/ro
cleanup() {
    umount "$full" 2>/dev/null
    umount "$ro" 2>/dev/null
}
cleanup
mkdir -p "$full" "$ro"
trap cleanup EXIT
if ! mount -t tmpfs -o size=1m tmpfs "$full" 2>/dev/null || ! mount -t tmpfs -o size=1m tmpfs "$ro" 2>/dev/null; then
    echo "SKIPPED: this machine does not let us mount a small drive"
    exit 77
fi
for d in "$full" "$ro"; do
    mkdir "$d/Quorvel"
    cp -r "$product/Quorvel.exe" "$product/Skins" "$d/Quorvel/"
    printf 'monitor=0\r\nautorun=false\r\n' >"$d/Quorvel/Settings.ini"
    printf 'Work\nC:\\Work\n' >"$d/Quorvel/Dirs.qvl"
    printf 'Pad\nC:\\pad.exe\n' >"$d/Quorvel/Apps.qvl"
done
# Not a byte left on the one, no writing at all on the other.
dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null
mount -o remount,ro "$ro"
. "$(dirname "$here")/../tools/wine-env.sh"
export QV_FULLDIR="Z:$(echo "$full/Quorvel/" | tr / '\\')"
export QV_RODIR="Z:$(echo "$ro/Quorvel/" | tr / '\\')"
export QV_FILLER="Z:$(echo "$full/filler" | tr / '\\')"
"$here/run.sh" "$work" "$product" "$driver" "$version" plain "$filter"
