#!/bin/sh
# skincheck.exe, as a skin author on Windows runs it: under Wine, on the
# built-in skins and on a broken one, it must print what the Linux checker
# prints and exit with the same status.
# Usage: skincheck-wine.sh <work dir> <skincheck> <skincheck.exe>
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
work=$(cd "$1" && pwd) native=$(realpath "$2") exe=$(realpath "$3")
. "$root/tools/wine-env.sh"
qv_display
trap 'wineserver -k 2>/dev/null || true; qv_stop_display' EXIT
qv_prefix "$work/skincheck.prefix" "$work/prefix"
runs=$work/skincheck
rm -rf "$runs"
mkdir -p "$runs"
cp -R "$root/skins/." "$runs/"
cp "$exe" "$runs/skincheck.exe"
# Broken three ways: a word for a number, a picture that is no bitmap, a
# button picture missing.
cp -R "$runs/xpdefault" "$runs/broken"
sed -i '3s/.*/abc\r/' "$runs/broken/xpdef.qvs"
printf 'BMx' > "$runs/broken/normal.bmp"
rm "$runs/broken/timer.bmp"
# Two description files: the one to check must be named.
cp -R "$runs/xpdefault" "$runs/two"
cp "$runs/two/xpdef.qvs" "$runs/two/second.qvs"

cd "$runs"
failed=0
# Exit status and output of both checkers on the same arguments, which are
# relative paths so that both print the same names, each with its system's
# separator: Windows' backslash is compared as a slash.
check() {
    want=$1
    shift
    status=0
    "$native" "$@" > native.out 2>&1 || status=$?
    wstatus=0
    wine skincheck.exe "$@" > wine.crlf 2>&1 || wstatus=$?
    tr -d '\r' < wine.crlf | tr '\\' / > wine.out
    echo "skincheck.exe $*: exit $wstatus"
    sed 's/^/  /' wine.out
    if [ "$status" != "$want" ] || [ "$wstatus" != "$want" ]; then
        echo "  expected exit $want from both; Linux gave $status" >&2
        failed=1
    fi
    if ! diff native.out wine.out >&2; then
        echo "  the Linux checker printed otherwise (above)" >&2
        failed=1
    fi
}
for skin in xpdefault xpclassic xpbutton win98; do
    check 0 "$skin"
done
# A folder with a Cyrillic name, as a skin author in Russia has it.
cp -R "$runs/xpdefault" "$runs/Скин"
wstatus=0
wine skincheck.exe "Скин" > wine.crlf 2>&1 || wstatus=$?
[ "$wstatus" = 0 ] || { echo "a Cyrillic folder name: exit $wstatus" >&2; cat wine.crlf >&2; failed=1; }
check 1 broken
grep -qx 'broken/xpdef.qvs: 3 errors, 0 warnings' wine.out || { echo "broken skin: not the three errors" >&2; failed=1; }
grep -q 'line 3 (Zone1.Top): "abc": Invalid numeric input' wine.out || { echo "broken skin: no line 3" >&2; failed=1; }
check 2
check 2 no-such-folder
check 2 two
check 0 two second.qvs
exit $failed
