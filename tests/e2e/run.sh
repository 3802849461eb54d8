#!/bin/sh
# Runs end-to-end scenarios: the test driver under Wine, in a fresh Wine
# session, with a chosen Windows version and desktop.
# Usage: run.sh <work dir> <product dir> <driver exe> winxp|win98|win7|win10 plain|shell|monitors <gtest filter>
# ("monitors": two monitors side by side, outside a virtual desktop.)
set -e
work=$1 product=$2 driver=$3 version=$4 desktop=$5 filter=$6
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tools/wine-env.sh"
if [ "$desktop" = monitors ] && [ "$(id -u)" != 0 ]; then
    echo "run.sh: two monitors need Xorg, which only root may start: skipped"
    exit 77
fi
mkdir -p "$work"
work=$(cd "$work" && pwd)
name=$(echo "$filter" | tr -c 'A-Za-z0-9\n' '_' | cut -c1-40)-$version-$desktop
runs=$work/runs/$name
shots=$work/screenshots
# Another locale (QV_LOCALE) or dots per inch (QV_DPI) gets its own runs and
# screenshots.
if [ -n "$QV_LOCALE" ]; then runs=$runs-$QV_LOCALE shots=$shots/$QV_LOCALE; fi
if [ "${QV_DPI:-96}" != 96 ]; then runs=$runs-dpi$QV_DPI shots=$shots/dpi$QV_DPI; fi
if [ "$desktop" = monitors ]; then qv_two_monitors; else qv_display; fi
trap 'wineserver -k 2>/dev/null || true; qv_stop_display' EXIT
# A Wine session of its own, beside any other run's.
mkdir -p "$work/runs"
qv_prefix "$runs.prefix" "$work/prefix"
qv_version "$version"
case $desktop in
    shell) qv_desktop shell ;;
    monitors) wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true ;;
    *) qv_desktop Default ;;
esac
rm -rf "$runs"
mkdir -p "$runs/shots" "$shots"
cp "$driver" "$(dirname "$driver")/TestTaskbar.exe" "$(dirname "$driver")/StandIn.dll" "$runs/"
export QV_PRODUCT="$(winepath -w "$product")"
export QV_WORK="$(winepath -w "$runs")"
# Pictures are taken in the run's own folder and only then converted into the
# shared one: another run's half-written picture is never converted.
export QV_SHOTS="$(winepath -w "$runs/shots")"
export QV_TASKBAR="$(winepath -w "$runs/TestTaskbar.exe")"
export QV_MODE="$version"
# Wine's desktop (and, in a shell desktop, its taskbar) comes up with the
# first program of the session; the driver waits for what it needs.
status=0
wine "$runs/$(basename "$driver")" --gtest_filter="$filter" --gtest_color=no >"$runs/output.txt" 2>&1 || status=$?
cat "$runs/output.txt"
# A scenario that failed runs once more, at once and alone: Wine now and then
# passes over a synthetic click or release, which no scenario can tell from a
# lost one. A real fault fails both times. A run that failed otherwise (a
# crash of the driver) stands.
failed=$(tr -d '\r' <"$runs/output.txt" | sed -n 's/^\[  FAILED  \] \([^ ,]*\).* ms)$/\1/p' | paste -sd: -)
if [ "$status" != 0 ] && [ -n "$failed" ] && grep -q '^\[==========\] .* ran\.' "$runs/output.txt"; then
    echo "run.sh: once more: $failed"
    status=0
    wine "$runs/$(basename "$driver")" --gtest_filter="$failed" --gtest_color=no || status=$?
fi
wineserver -k 2>/dev/null || true
for b in "$runs"/shots/*.bmp; do
    [ -e "$b" ] || continue
    png=$shots/$(basename "${b%.bmp}").png
    convert "$b" "$png" && rm -f "$b"
    echo "screenshot: $png"
done
exit $status
