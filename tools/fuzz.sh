#!/bin/sh
# Fuzzes the file parsers with libFuzzer, one target after another, and closes
# with one line per target.
#   tools/fuzz.sh [seconds per target, default 60] [target...]
# Targets: settings skin list bmp (all by default). Everything goes to
# build/fuzz/ (or $QV_FUZZ_DIR): each target starts from a scratch copy of its
# seed corpus there, so the repo's seeds are not flooded; failing inputs land
# in build/fuzz/artifacts/<target>/ and belong in tests/fuzz/crashes/<target>/.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-settings skin list bmp}
out=${QV_FUZZ_DIR:-$root/build/fuzz}
case $secs in
    '' | *[!0-9]*) echo "usage: tools/fuzz.sh [seconds per target] [settings|skin|list|bmp...]" >&2; exit 2 ;;
esac

if ! dpkg -s clang >/dev/null 2>&1; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang >/dev/null
fi

# The portable sources, as the build lists them, compiled once for all targets.
flags="-g -O1 -std=c++17 -I$root/src -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined"
mkdir -p "$out/obj"
objs=""
for s in $(sed -n '/^set(QV_PORTABLE$/,/^)/s/^ *\(src\/.*\.cpp\)$/\1/p' "$root/cmake/sources.cmake") \
         src/base/Files_posix.cpp; do
    o=$out/obj/$(echo "$s" | tr / _).o
    clang++ $flags -c "$root/$s" -o "$o"
    objs="$objs $o"
done

summary=""
failed=0
for t in $targets; do
    case $t in
        settings) src=SettingsFuzz len=4096 ;;
        skin) src=SkinFuzz len=4096 ;;
        list) src=ListFuzz len=4096 ;;
        bmp) src=BmpFuzz len=65536 ;;
        *) echo "fuzz: unknown target '$t' (settings skin list bmp)" >&2; exit 2 ;;
    esac
    clang++ $flags "$root/tests/fuzz/$src.cpp" $objs -o "$out/$t"
    work=$out/corpus/$t
    rm -rf "$work"
    mkdir -p "$work" "$out/artifacts/$t"
    cp "$root/tests/fuzz/corpus/$t/"* "$work/"
    echo "fuzz: $t for ${secs}s, log in $out/$t.log"
    # The kept crashes come along as read-only inputs: one that is back stops the run.
    rc=0
    "$out/$t" -max_total_time="$secs" -max_len=$len -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$out/artifacts/$t/" "$work" "$root/tests/fuzz/crashes/$t" >"$out/$t.log" 2>&1 || rc=$?
    crashes=$([ $rc = 0 ] && echo 0 || echo 1)
    [ $rc = 0 ] || failed=1
    line=$(awk -v t="$t" -v c="$crashes" '
        /^stat::number_of_executed_units:/ { runs = $2 }
        /^stat::average_exec_per_sec:/ { rate = $2 }
        / cov: / { for (i = 1; i < NF; i++) {
            if ($i == "cov:") cov = $(i + 1); if ($i == "ft:") ft = $(i + 1); if ($i == "corp:") corp = $(i + 1) } }
        END { printf "%-9s %s execs, %s exec/s, cov %s, ft %s, corpus %s, crashes %d", t ":", runs, rate, cov, ft, corp, c }
    ' "$out/$t.log")
    [ $rc = 0 ] || line="$line ($(grep -o 'Test unit written to .*' "$out/$t.log" | tail -n 1))"
    summary="$summary$line
"
done
printf '\n%s' "$summary"
exit $failed
