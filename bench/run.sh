#!/bin/sh
# The benchmarks: Quorvel.exe against a minimal window program built the same
# way, alternating under the same Wine, plus idle cost and size. Writes
# bench/results.md (machine, date, figures). They measure, they never fail on
# a figure.
# Usage: bench/run.sh [pairs, 25 by default] [startup: the start-up figures only,
# not written to results.md]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
pairs=${1:-25}
"$root/tools/setup.sh"
build=$root/build
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 >/dev/null
. "$root/tools/wine-env.sh"
work=$build/bench
runs=$work/run
rm -rf "$runs"
mkdir -p "$runs"
qv_display
trap 'wineserver -k 2>/dev/null || true; qv_stop_display' EXIT
qv_prefix "$work/prefix" "$build/e2e/prefix"
qv_version winxp
qv_desktop Default
cp "$build/win32-driver/QuorvelBench.exe" "$build/win32-driver/TestTaskbar.exe" "$build/win32-product/Baseline.exe" \
    "$runs/"
export QV_PRODUCT="$(winepath -w "$build/win32-product/Quorvel")"
export QV_WORK="$(winepath -w "$runs")"
export QV_SHOTS="$QV_WORK"
export QV_TASKBAR="$(winepath -w "$runs/TestTaskbar.exe")"
export QV_BASELINE="$(winepath -w "$runs/Baseline.exe")"
export QV_MODE=winxp

# CPU time (ns) and wake-ups (context switches) of every thread of a process.
sample() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d ", ns}'
    cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n}'
}
# The process of this run's Wine session with that command line: another
# session on the machine (a test beside the benchmark) may run a copy too.
own_process() {
    for p in $(pgrep -f "$1"); do
        if tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$p"
            return
        fi
    done
}
# Answers the driver's idle phases: a minute of the named process, untouched.
idle_watch() {
    while :; do
        for f in "$runs"/idle-*.pid; do
            [ -e "$f" ] && [ ! -e "${f%.pid}.done" ] || continue
            pid=$(own_process "$(cat "$f")")
            label=$(basename "${f%.pid}" | sed 's/^idle-//')
            # The countdown ticks once a minute: two minutes show two ticks.
            seconds=60
            [ "$label" != countdown ] || seconds=120
            # Sampled every tenth of a second: a tenth with any context
            # switch is one wake-up, however many system calls it made.
            a=$(sample "$pid")
            prev=${a#* } wakes=0 end=$(($(date +%s) + seconds))
            while [ "$(date +%s)" -lt $end ]; do
                sleep 0.1
                now=$(sample "$pid")
                [ "${now#* }" = "$prev" ] || wakes=$((wakes + 1))
                prev=${now#* }
            done
            b=$(sample "$pid")
            echo "$label $seconds $a $b $wakes" >>"$work/idle.txt"
            touch "${f%.pid}.done"
        done
        sleep 0.5
    done
}
rm -f "$work/idle.txt"
idle_watch &
watcher=$!
wine "$runs/QuorvelBench.exe" "$pairs" $2 2>/dev/null | tr -d '\r' | tee "$work/table.txt"
kill $watcher 2>/dev/null || true
[ -z "$2" ] || exit 0

exe=$build/win32-product/Quorvel/Quorvel.exe
{
    echo "# Benchmark results"
    echo
    echo "Written by \`bench/run.sh $pairs\` on $(date -u '+%Y-%m-%d %H:%M UTC')."
    echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) cores, $(uname -sr);"
    echo "$(wine --version) on Xvfb, Windows XP mode. Baseline: \`bench/Baseline.cpp\`, a window and a"
    echo "message loop built with the compiler and flags of Quorvel.exe. $pairs start-ups of each, alternating."
    echo
    echo "## Against the baseline"
    echo
    grep '^|' "$work/table.txt"
    echo
    echo "## Idle, untouched (panel shown, the pointer on the empty desktop)"
    echo
    echo "| process | time | CPU | context switches | wake-ups |"
    echo "|---|---|---|---|---|"
    LC_ALL=C awk '{printf "| %s | %d s | %.2f ms | %d | %d |\n", $1, $2, ($5 - $3) / 1e6, $6 - $4, $7}' \
        "$work/idle.txt"
    echo
    echo "Budget: under 5 ms of CPU and no timer; with the countdown running, one wake-up a minute."
    echo "Context switches are every thread's, Wine's own included: under Wine each call into the"
    echo "system is a round trip to wineserver. A wake-up is a tenth of a second, sampled, in which"
    echo "the process switched at all."
    echo
    echo "## Size"
    echo
    echo "- Quorvel.exe: $(stat -c %s "$exe") bytes (budget 393216); the folder with Skins\\\\:"
    echo "  $(du -sb "$build/win32-product/Quorvel" | cut -f1) bytes."
    echo "- Its sections:"
    i686-w64-mingw32-objdump -h "$exe" | awk 'NF >= 7 && $1 ~ /^[0-9]+$/ {print $2, $3}' | while read -r n s; do
        printf '  %s %d bytes;' "$n" "$((0x$s))"
    done
    echo
} >"$root/bench/results.md"
echo "written: bench/results.md"
