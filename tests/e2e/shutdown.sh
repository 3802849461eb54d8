#!/bin/sh
# The shutdown timer reaching zero ends the whole Wine session, the test
# driver included: the driver arms it (ShutdownTest.cpp), and this script
# checks from outside what Quorvel left behind.
# Usage: shutdown.sh <work dir> <product dir> <driver exe> winxp|win98 <gtest filter>
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
work=$(cd "$1" && pwd)
version=$4
out=$("$here/run.sh" "$work" "$2" "$3" "$version" plain "$5" 2>&1)
echo "$out" | grep -av fixme
# The scenario's folder, in the run's folder that run.sh names after the filter.
dir=$(ls -td "$work"/runs/*-"$version"-plain/Shutdown | head -n 1)
status=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; status=1; fi
}
check "the driver armed the timer" '[ -e "$dir/armed" ]'
check "the session ended before the driver's deadline" '! echo "$out" | grep -aq "did not end"'
check "the setting changed in memory was saved" 'grep -aq "^autorun=true" "$dir/Settings.ini"'
check "the folder list was saved" '[ "$(od -An -c "$dir/Dirs.qvl" | tr -d " \n")" = "Home\r\nC:\\Home\r\n" ]'
check "the Start button was shown after the save" 'grep -aq "^show 1 exists=1" "$dir/tray.log"'
exit $status
