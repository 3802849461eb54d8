#!/bin/sh
# Every end-to-end scenario of the driver is run by some CTest entry: one
# that no entry's filter takes would never run, and nobody would notice.
# An entry that runs the driver names its gtest filter last.
# Usage: suites.sh <build dir> <driver exe>
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd) driver=$2
. "$root/tools/wine-env.sh"
work=$build/e2e
mkdir -p "$work"
qv_display
trap 'wineserver -k 2>/dev/null || true; qv_stop_display' EXIT
qv_prefix "$work/suites.prefix" "$work/prefix"
wine "$driver" --gtest_list_tests | tr -d '\r' > "$work/scenarios.txt"
ctest --test-dir "$build" --show-only=json-v1 > "$work/entries.json"
python3 - "$driver" "$work/scenarios.txt" "$work/entries.json" <<'PY'
import fnmatch, json, sys

driver, listed, entries = sys.argv[1:]
scenarios, suite = [], None
for line in open(listed):
    if not line.strip():
        continue
    if not line.startswith(" "):
        suite = line.split()[0]
    else:
        scenarios.append(suite + line.split()[0])

filters = []
for test in json.load(open(entries))["tests"]:
    command = test.get("command", [])
    if driver in command[:-1]:
        filters.append((test["name"], command[-1]))

def runs(flt, name):
    positive, _, negative = flt.partition("-")
    match = lambda patterns: any(fnmatch.fnmatchcase(name, p) for p in patterns.split(":") if p)
    return match(positive or "*") and not match(negative)

missing = [s for s in scenarios if not any(runs(f, s) for _, f in filters)]
if not scenarios or not filters:
    sys.exit("suites: found %d scenarios and %d entries that run the driver" % (len(scenarios), len(filters)))
for s in missing:
    print("suites: %s is run by no CTest entry: add its suite to a filter in cmake/native.cmake" % s)
print("suites: %d scenarios in %d suites, %d entries; %d run by none"
      % (len(scenarios), len({s.split('.')[0] for s in scenarios}), len(filters), len(missing)))
sys.exit(1 if missing else 0)
PY
